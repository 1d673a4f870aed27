#include "season/SeasonFolder.h"

#include "scoresheet/GameFile.h"
#include "season/SeasonConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <dirent.h>
#include <fcntl.h>
#endif

namespace {

#ifdef Q_OS_LINUX
SeasonFolder::Stamp stampOf(const struct stat &status)
{
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
            qint64(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec};
}

// One folder's entries with one system call each, none of them followed if it is a link.
void listFolder(const QString &path, int depth, QList<std::pair<QString, int>> &pending, SeasonFolder::Listing &listing,
                qsizetype baseLength)
{
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat status;
        if (::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (S_ISDIR(status.st_mode)) {
            if (depth < SeasonFolder::MaxDepth)
                pending.append({path + u'/' + name, depth + 1});
        } else if (S_ISREG(status.st_mode) && SeasonFolder::isGameFile(name)) {
            listing.games.append({(path + u'/' + name).mid(baseLength + 1), stampOf(status)});
        }
    }
    ::closedir(dir);
}
#else

SeasonFolder::Stamp stampOf(const QFileInfo &info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000,
            info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000};
}

void listFolder(const QString &path, int depth, QList<std::pair<QString, int>> &pending, SeasonFolder::Listing &listing,
                qsizetype baseLength)
{
    QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(u'.') || info.isSymLink())
            continue;
        if (info.isDir()) {
            if (depth < SeasonFolder::MaxDepth)
                pending.append({info.absoluteFilePath(), depth + 1});
        } else if (info.isFile() && SeasonFolder::isGameFile(name)) {
            listing.games.append({info.absoluteFilePath().mid(baseLength + 1), stampOf(info)});
        }
    }
}
#endif

} // namespace

bool SeasonFolder::isGameFile(const QString &name)
{
    return !name.startsWith(u'.') && name.endsWith(GameFile::extension(), Qt::CaseInsensitive);
}

SeasonFolder::Listing SeasonFolder::list(const QString &folder)
{
    Listing listing;
    const QFileInfo root(folder);
    if (!root.isDir() || !QDir(folder).isReadable()) {
        listing.problem = QCoreApplication::translate("SeasonFolder", "The season folder %1 cannot be read.")
                              .arg(QDir::toNativeSeparators(folder));
        return listing;
    }
    const QString base = root.absoluteFilePath();
    const QFileInfo config(QDir(base).filePath(SeasonConfig::fileName()));
    if (config.exists() || config.isSymLink())
        listing.config = {config.size(), config.lastModified().toMSecsSinceEpoch(),
                          config.metadataChangeTime().toMSecsSinceEpoch()};

    // Folder by folder, breadth first: no link is followed, so no loop can be met.
    QList<std::pair<QString, int>> pending{{base, 0}};
    while (!pending.isEmpty()) {
        const auto [path, depth] = pending.takeFirst();
        listing.folders << path;
        listFolder(path, depth, pending, listing, base.size());
    }
    std::sort(listing.games.begin(), listing.games.end(), [](const Game &a, const Game &b) { return a.file < b.file; });
    return listing;
}
