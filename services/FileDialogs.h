#pragma once

#include <QString>

class QWidget;

// The dialogs that choose a game file or a PDF to write. Windows ask through this so that tests can
// answer without a dialog ever blocking.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // The file to open, starting in folder; empty when the user cancelled.
    virtual QString openGame(QWidget *parent, const QString &folder) = 0;

    // Where to save, starting from the suggested full path; empty when the user cancelled.
    virtual QString saveGame(QWidget *parent, const QString &suggestedPath) = 0;

    // Where to write a PDF of the sheet, starting from the suggested full path; empty when cancelled.
    virtual QString exportPdf(QWidget *parent, const QString &suggestedPath) = 0;

    // Where to write an SVG drawing (a chart), starting from the suggested full path; empty when cancelled.
    virtual QString exportSvg(QWidget *parent, const QString &suggestedPath) = 0;

    // A folder (a season's, or one to write a report into), titled as given, starting in
    // folder; empty when the user cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;
};
