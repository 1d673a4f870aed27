#include "season/SeasonFolder.h"

#include "scoresheet/GameFile.h"
#include "season/SeasonConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <dirent.h>
#include <fcntl.h>
#endif

namespace {

// What one folder holds: its game files and the folders under it.
struct Found
{
    QList<SeasonFolder::Game> games;
    QStringList folders;
};

#ifdef Q_OS_LINUX
SeasonFolder::Stamp stampOf(const struct stat &status)
{
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
            qint64(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec};
}

// One folder's entries with one system call each, none of them followed if it is a link.
Found listFolder(const QString &path, qsizetype baseLength)
{
    Found found;
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return found;
    const int fd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat status;
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (S_ISDIR(status.st_mode))
            found.folders << path + u'/' + name;
        else if (S_ISREG(status.st_mode) && SeasonFolder::isGameFile(name))
            found.games.append({(path + u'/' + name).mid(baseLength + 1), stampOf(status)});
    }
    ::closedir(dir);
    return found;
}
#else

SeasonFolder::Stamp stampOf(const QFileInfo &info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000,
            info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000};
}

Found listFolder(const QString &path, qsizetype baseLength)
{
    Found found;
    QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(u'.') || info.isSymLink())
            continue;
        if (info.isDir())
            found.folders << info.absoluteFilePath();
        else if (info.isFile() && SeasonFolder::isGameFile(name))
            found.games.append({info.absoluteFilePath().mid(baseLength + 1), stampOf(info)});
    }
    return found;
}
#endif

} // namespace

bool SeasonFolder::isGameFile(const QString &name)
{
    return !name.startsWith(u'.') && name.endsWith(GameFile::extension(), Qt::CaseInsensitive);
}

namespace {

// The folder as the season names it: "" for the season's own, "April/week 1" below it.
QString relativeFolder(const QString &base, const QString &folder)
{
    return folder.size() == base.size() ? QString() : folder.mid(base.size() + 1);
}

int depthOf(const QString &base, const QString &folder)
{
    return folder.size() == base.size() ? 0 : int(relativeFolder(base, folder).count(u'/')) + 1;
}

// Lists the folders of one level and, down to the deepest allowed, every folder under them;
// the folders of a level on every core. No link is followed, so no loop can be met.
void listTrees(const QString &base, QStringList level, int depth, SeasonFolder::Listing &listing)
{
    for (; !level.isEmpty(); ++depth) {
        listing.folders << level;
        const QList<Found> found = QtConcurrent::blockingMapped(level, [&base](const QString &path) {
            return listFolder(path, base.size());
        });
        level.clear();
        for (const Found &folder : found) {
            listing.games << folder.games;
            if (depth < SeasonFolder::MaxDepth)
                level << folder.folders;
        }
    }
}

// The season's folder, when it can be read, and its season.json.
QString openSeason(const QString &folder, SeasonFolder::Listing &listing)
{
    const QFileInfo root(folder);
    if (!root.isDir() || !QDir(folder).isReadable()) {
        listing.problem = QCoreApplication::translate("SeasonFolder", "The season folder %1 cannot be read.")
                              .arg(QDir::toNativeSeparators(folder));
        return {};
    }
    const QString base = root.absoluteFilePath();
    const QFileInfo config(QDir(base).filePath(SeasonConfig::fileName()));
    if (config.exists() || config.isSymLink())
        listing.config = {config.size(), config.lastModified().toMSecsSinceEpoch(),
                          config.metadataChangeTime().toMSecsSinceEpoch()};
    return base;
}

} // namespace

SeasonFolder::Listing SeasonFolder::list(const QString &folder)
{
    Listing listing;
    const QString base = openSeason(folder, listing);
    if (listing.problem.isEmpty())
        listTrees(base, {base}, 0, listing);
    return listing;
}

SeasonFolder::Listing SeasonFolder::listChanged(const QString &folder, const QStringList &known,
                                                const QStringList &changed)
{
    Listing listing;
    const QString base = openSeason(folder, listing);
    if (!listing.problem.isEmpty())
        return listing;
    listing.replaced = QStringList();
    const QSet<QString> knownSet(known.begin(), known.end());
    QSet<QString> gone;
    QStringList fresh;
    for (const QString &path : QSet<QString>(changed.begin(), changed.end())) {
        if (!knownSet.contains(path))
            continue;
        const QFileInfo info(path);
        if (!info.isDir() || info.isSymLink()) {
            gone << path;
            continue;
        }
        const Found found = listFolder(path, base.size());
        listing.games << found.games;
        *listing.replaced << relativeFolder(base, path);
        const QSet<QString> now(found.folders.begin(), found.folders.end());
        if (depthOf(base, path) < MaxDepth)
            for (const QString &sub : found.folders)
                if (!knownSet.contains(sub))
                    fresh << sub;
        for (const QString &sub : known)
            if (sub.size() > path.size() && sub.startsWith(path) && sub.at(path.size()) == u'/'
                && sub.indexOf(u'/', path.size() + 1) < 0 && !now.contains(sub))
                gone << sub;
    }
    // A folder that is gone takes the folders under it along.
    const auto isGone = [&gone](const QString &path) {
        for (qsizetype cut = path.size(); cut > 0; cut = path.lastIndexOf(u'/', cut - 1))
            if (gone.contains(path.left(cut)))
                return true;
        return false;
    };
    for (const QString &path : known) {
        if (isGone(path))
            *listing.replaced << relativeFolder(base, path);
        else
            listing.folders << path;
    }
    for (const QString &path : fresh)
        listTrees(base, {path}, depthOf(base, path), listing);
    return listing;
}
