#pragma once

// Services that do nothing: for rendering and measuring the real windows headless,
// where no sound may play, no box may wait for an answer and nothing may be printed.

#include "app/ModGeneral.h"
#include "roll/ClockRandomSource.h"
#include "roll/Timer.h"
#include "services/DocumentOpener.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "services/SoundPlayer.h"
#include "ui/WindowContext.h"

#include <QCoreApplication>

class SilentSoundPlayer final : public SoundPlayer
{
public:
    void preload(const QString &) override {}
    void play(const QString &) override {}
};

class NoDocumentOpener final : public DocumentOpener
{
public:
    bool open(const QString &, const QString &) override { return false; }
};

// Answers every question with a fixed answer and counts the messages it swallowed.
class FixedAnswerPrompter final : public Prompter
{
public:
    explicit FixedAnswerPrompter(bool answer)
        : m_answer(answer)
    {
    }
    bool askYesNo(QWidget *, const QString &) override { return m_answer; }
    void inform(QWidget *, const QString &) override { ++informed; }
    int informed = 0;

private:
    bool m_answer;
};

class NoPrinter final : public Printer
{
public:
    bool printImage(const QImage &, QString *error) override
    {
        if (error)
            *error = QStringLiteral("Nothing is printed here.");
        return false;
    }
};

// A whole set: the real random source and Qt timers, stand-ins for the rest.
// A QCoreApplication must exist first.
struct StandInServices
{
    explicit StandInServices(bool answer = true)
        : prompter(answer)
    {
    }

    ModGeneral shared;
    SystemClock clock;
    ClockRandomSource random{clock};
    SilentSoundPlayer sound;
    NoDocumentOpener documents;
    FixedAnswerPrompter prompter;
    NoPrinter printer;
    QtTimerFactory timers;
    WindowContext context{shared, random, sound, documents, prompter, printer, timers,
                          QCoreApplication::applicationDirPath()};
};
