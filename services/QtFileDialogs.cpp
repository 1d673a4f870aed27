#include "services/QtFileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {
QString filter()
{
    return QCoreApplication::translate("QtFileDialogs", "Quorvel games (*.quorvel);;All files (*)");
}
} // namespace

QString QtFileDialogs::openGame(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("QtFileDialogs", "Open Game"), folder,
                                        filter());
}

QString QtFileDialogs::saveGame(QWidget *parent, const QString &suggestedPath)
{
    QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("QtFileDialogs", "Save Game"),
                                                suggestedPath, filter());
    // A name typed without the extension still makes a game file.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".quorvel");
    return path;
}
