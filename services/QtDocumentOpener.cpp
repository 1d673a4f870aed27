#include "services/QtDocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

bool QtDocumentOpener::open(const QString &file, const QString &workingDirectory)
{
    // QDesktopServices takes no working directory; the launcher it starts inherits
    // ours, so the program's folder is made current for the length of the call.
    const QString previous = QDir::currentPath();
    const bool moved = !workingDirectory.isEmpty() && QDir::setCurrent(workingDirectory);
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    if (moved)
        QDir::setCurrent(previous);
    return opened;
}
