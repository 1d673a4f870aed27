#pragma once

#include "services/FileDialogs.h"

// Qt's file dialogs, filtered to game files or PDF files.
class QtFileDialogs final : public FileDialogs
{
public:
    QString openGame(QWidget *parent, const QString &folder) override;
    QString saveGame(QWidget *parent, const QString &suggestedPath) override;
    QString exportPdf(QWidget *parent, const QString &suggestedPath) override;
    QString exportSvg(QWidget *parent, const QString &suggestedPath) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override;
};
