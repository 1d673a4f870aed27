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

namespace {
// A name typed without the extension still gets it.
QString withSuffix(QString path, QLatin1String suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += suffix;
    return path;
}
} // namespace

QString QtFileDialogs::saveGame(QWidget *parent, const QString &suggestedPath)
{
    return withSuffix(QFileDialog::getSaveFileName(parent, QCoreApplication::translate("QtFileDialogs", "Save Game"),
                                                   suggestedPath, filter()),
                      QLatin1String(".quorvel"));
}

QString QtFileDialogs::exportPdf(QWidget *parent, const QString &suggestedPath)
{
    return withSuffix(QFileDialog::getSaveFileName(parent, QCoreApplication::translate("QtFileDialogs", "Export PDF"),
                                                   suggestedPath,
                                                   QCoreApplication::translate("QtFileDialogs", "PDF files (*.pdf)")),
                      QLatin1String(".pdf"));
}

QString QtFileDialogs::exportSvg(QWidget *parent, const QString &suggestedPath)
{
    return withSuffix(QFileDialog::getSaveFileName(parent, QCoreApplication::translate("QtFileDialogs", "Export SVG"),
                                                   suggestedPath,
                                                   QCoreApplication::translate("QtFileDialogs",
                                                                               "SVG drawings (*.svg)")),
                      QLatin1String(".svg"));
}

QString QtFileDialogs::chooseFolder(QWidget *parent, const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}
