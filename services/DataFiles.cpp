#include "services/DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList dataFolders(const QString &programDir)
{
    QStringList folders{programDir};
    const auto add = [&folders](const QString &folder) {
        const QString clean = QDir::cleanPath(folder);
        if (!clean.isEmpty() && !folders.contains(clean))
            folders << clean;
    };
    add(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    add(programDir + QStringLiteral("/../share/quorvel"));
    for (const QString &system : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(system + QStringLiteral("/quorvel"));
    return folders;
}

QString findDataFile(const QStringList &folders, const QString &file)
{
    for (const QString &folder : folders) {
        const QString path = folder + u'/' + file;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
