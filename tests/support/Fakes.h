#pragma once

// Test doubles for the program's platform services. Header-only; every test may use them.

#include "roll/Clock.h"
#include "roll/RandomSource.h"
#include "roll/SoundPlayer.h"
#include "roll/Timer.h"
#include "services/DocumentOpener.h"
#include "services/FileDialogs.h"
#include "services/Printer.h"
#include "services/Prompter.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

// Hands out the draws it was given, in order; reseed only counts.
class ScriptedRandomSource final : public RandomSource
{
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(std::vector<float> draws) { feed(std::move(draws)); }

    void feed(std::vector<float> draws) { m_draws.insert(m_draws.end(), draws.begin(), draws.end()); }
    void reseed() override { ++reseeds; }
    float nextDraw() override
    {
        ++draws;
        if (m_draws.empty())
            return fallback;
        const float u = m_draws.front();
        m_draws.pop_front();
        return u;
    }
    size_t remaining() const { return m_draws.size(); }

    int reseeds = 0;
    int draws = 0;
    float fallback = 0.5f; // drawn once the script has run out

private:
    std::deque<float> m_draws;
};

class FakeClock final : public Clock
{
public:
    std::uint64_t nanoseconds() override { return now; }
    std::uint64_t now = 1'000'000'000ULL;
};

// A timer that ticks only when the test says so.
class FakeTimer final : public Timer
{
public:
    FakeTimer(QString name, int intervalMs)
        : objectName(std::move(name))
        , m_interval(intervalMs)
    {
    }
    void setEnabled(bool enabled) override
    {
        if (enabled)
            ++enables;
        m_enabled = enabled;
    }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return m_interval; }

    // Delivers one tick if the timer is enabled, as the event loop would; returns whether it did.
    bool fire()
    {
        if (!m_enabled)
            return false;
        tick();
        return true;
    }

    QString objectName;
    int enables = 0;

private:
    int m_interval;
    bool m_enabled = false;
};

// Keeps every timer it made, so a test can reach a window's Timer1 and Timer2.
class FakeTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<Timer> create(QObject *, const QString &objectName, int intervalMs) override
    {
        auto timer = std::make_unique<FakeTimer>(objectName, intervalMs);
        made.push_back(timer.get());
        return timer;
    }
    // The most recently made timer of that name (a window made afresh makes new ones).
    FakeTimer *latest(const QString &objectName) const
    {
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            if ((*it)->objectName == objectName)
                return *it;
        return nullptr;
    }
    // Pointers stay valid only while the window that owns the timers is alive.
    std::vector<FakeTimer *> made;
};

class FakeSoundPlayer final : public SoundPlayer
{
public:
    void preload(const QString &file) override { preloaded << file; }
    void play(const QString &file) override { played << file; }
    QStringList preloaded;
    QStringList played;
};

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
    QString openAnswer;
    QString saveAnswer;
    QString pdfAnswer;
    QStringList suggestedPdfPaths;
    QStringList openFolders;
    QStringList suggestedPaths;
};
