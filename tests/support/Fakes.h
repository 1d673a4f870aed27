#pragma once

// Test doubles for the program's platform services. Header-only; every test may use them.

#include "services/DocumentOpener.h"
#include "services/FileDialogs.h"
#include "services/Preferences.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "support/RollFakes.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

class FakeDocumentOpener final : public DocumentOpener
{
public:
    bool open(const QString &file, const QString &workingDirectory) override
    {
        opened << file;
        workingDirectories << workingDirectory;
        return result;
    }
    QStringList opened;
    QStringList workingDirectories;
    bool result = true;
};

// Answers questions from a script (then the fallback, Yes) and records every box.
class FakePrompter final : public Prompter
{
public:
    bool askYesNo(QWidget *, const QString &text) override
    {
        questions << text;
        if (answers.empty())
            return fallback;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void inform(QWidget *, const QString &text) override { messages << text; }

    std::deque<bool> answers;
    bool fallback = true; // the answer once the script has run out
    QStringList questions;
    QStringList messages;
};

// Takes pages without paper: each page is drawn into an image at its logical size (or
// scale times that), so tests can look at what would have been printed.
class FakePrinter final : public Printer
{
public:
    bool print(const PrintPage &page, QString *error) override
    {
        images.push_back(render(page));
        return answer(error);
    }
    bool writePdf(const PrintPage &page, const QString &file, QString *error) override
    {
        pdfFiles << file;
        images.push_back(render(page));
        return answer(error);
    }
    bool printPages(const QList<const PrintPage *> &pages, const QString &title, QString *error) override
    {
        titles << title;
        for (const PrintPage *page : pages)
            images.push_back(render(*page));
        return answer(error);
    }
    bool writePdfPages(const QList<const PrintPage *> &pages, const QString &file, const QString &title,
                       QString *error) override
    {
        pdfFiles << file;
        return printPages(pages, title, error);
    }
    static QImage render(const PrintPage &page, qreal scale = 1.0)
    {
        QImage image((QSizeF(page.size()) * scale).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        page.paint(painter);
        return image;
    }
    std::vector<QImage> images;
    QStringList pdfFiles;
    QStringList titles; // of the jobs of several pages
    bool fail = false;
    QString failure = QStringLiteral("No printer is installed.");

private:
    bool answer(QString *error) const
    {
        if (fail && error)
            *error = failure;
        return !fail;
    }
};

// Answers the file dialogs with the paths it was given (empty: cancelled) and records
// where each dialog started.
class FakeFileDialogs final : public FileDialogs
{
public:
    QString openGame(QWidget *, const QString &folder) override
    {
        openFolders << folder;
        return openAnswer;
    }
    QString saveGame(QWidget *, const QString &suggestedPath) override
    {
        suggestedPaths << suggestedPath;
        return saveAnswer;
    }
    QString exportPdf(QWidget *, const QString &suggestedPath) override
    {
        suggestedPdfPaths << suggestedPath;
        return pdfAnswer;
    }
    QString exportSvg(QWidget *, const QString &suggestedPath) override
    {
        suggestedSvgPaths << suggestedPath;
        return svgAnswer;
    }
    QString chooseFolder(QWidget *, const QString &title, const QString &folder) override
    {
        folderTitles << title;
        folderStarts << folder;
        return folderAnswer;
    }
    QString openAnswer;
    QString saveAnswer;
    QString pdfAnswer;
    QString svgAnswer;
    QString folderAnswer;
    QStringList folderTitles;
    QStringList folderStarts;
    QStringList suggestedPdfPaths;
    QStringList suggestedSvgPaths;
    QStringList openFolders;
    QStringList suggestedPaths;
};

// Remembers for as long as the test runs.
class MemoryPreferences final : public Preferences
{
public:
    QString text(const QString &key) const override { return values.value(key); }
    void setText(const QString &key, const QString &value) override { values.insert(key, value); }
    QHash<QString, QString> values;
};
