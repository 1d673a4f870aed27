#pragma once

#include "season/GameRecord.h"
#include "season/SeasonConfig.h"
#include "season/SeasonFolder.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// A season's folder as last read: every game file's record with the stamp it was read
// at, and season.json. Reading it again reads only the files whose stamp changed, on
// every core, and leaves the earlier state untouched (it is shared between threads).
struct SeasonState
{
    struct Entry
    {
        SeasonFolder::Stamp stamp;
        std::shared_ptr<const GameRecord> record;
    };

    QString folder;              // absolute
    QHash<QString, Entry> games; // by file within the folder
    SeasonConfig config;
    QString configProblem;
    SeasonFolder::Stamp configStamp;
    QStringList folders; // searched, for watching
    QString problem;     // the folder could not be read: no games then
    int filesRead = 0;   // game files read by the last update

    // The next state of the folder: previous with every change on disk since it was read;
    // with changedFolders, only those folders (as the watcher names them) are looked at
    // again, an empty list looking at nothing but season.json.
    static SeasonState update(const SeasonState &previous, const std::optional<QStringList> &changedFolders = {});
    // Every game's record, for the calculator (which puts them in game order).
    std::vector<std::shared_ptr<const GameRecord>> records() const;
    // One game file, read the way a season counts it.
    static std::shared_ptr<const GameRecord> readGame(const QString &folder, const QString &file);
};
