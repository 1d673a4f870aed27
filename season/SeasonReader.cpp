#include "season/SeasonReader.h"

#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"

#include <QDir>

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>

std::shared_ptr<const GameRecord> SeasonState::readGame(const QString &folder, const QString &file)
{
    // The reader checks field names against a sheet, which is costly to build: one per thread.
    thread_local const Scoresheet shape;
    const OpenedGame opened = GameFile::load(QDir(folder).filePath(file), shape);
    return std::make_shared<const GameRecord>(GameRecord::read(opened, file));
}

std::vector<std::shared_ptr<const GameRecord>> SeasonState::records() const
{
    std::vector<std::shared_ptr<const GameRecord>> all;
    all.reserve(std::size_t(games.size()));
    for (const Entry &entry : games)
        all.push_back(entry.record);
    return all;
}

SeasonState SeasonState::update(const SeasonState &previous, const std::optional<QStringList> &changedFolders)
{
    SeasonState next;
    next.folder = previous.folder;
    const bool whole = !changedFolders || !previous.problem.isEmpty() || previous.folders.isEmpty();
    const SeasonFolder::Listing listing = whole ? SeasonFolder::list(previous.folder)
                                                : SeasonFolder::listChanged(previous.folder, previous.folders,
                                                                            *changedFolders);
    next.folders = listing.folders;
    next.problem = listing.problem;
    if (!listing.problem.isEmpty())
        return next;

    next.configStamp = listing.config;
    if (listing.config == previous.configStamp && listing.config.size >= 0 && previous.problem.isEmpty()) {
        next.config = previous.config;
        next.configProblem = previous.configProblem;
    } else if (listing.config.size >= 0) {
        next.configProblem = SeasonConfig::load(next.folder, next.config);
    }

    if (listing.replaced) {
        // What lay directly in a folder listed again is replaced by what lies there now.
        const QStringList &replaced = *listing.replaced;
        next.games = previous.games;
        next.games.removeIf([&replaced](const auto &entry) {
            const QStringView file = entry.key();
            const QStringView folder = file.left(qMax<qsizetype>(0, file.lastIndexOf(u'/')));
            return std::any_of(replaced.begin(), replaced.end(), [folder](const QString &r) { return r == folder; });
        });
    } else {
        next.games.reserve(listing.games.size());
    }
    QList<SeasonFolder::Game> toRead;
    for (const SeasonFolder::Game &game : listing.games) {
        const auto known = previous.games.constFind(game.file);
        if (known != previous.games.constEnd() && known->stamp == game.stamp)
            next.games.insert(game.file, *known);
        else
            toRead << game;
    }
    const QString folder = next.folder;
    const QList<std::shared_ptr<const GameRecord>> read =
        QtConcurrent::blockingMapped(toRead,
                                     [folder](const SeasonFolder::Game &game) { return readGame(folder, game.file); });
    for (qsizetype i = 0; i < read.size(); ++i)
        next.games.insert(toRead[i].file, {toRead[i].stamp, read[i]});
    next.filesRead = int(read.size());
    return next;
}
