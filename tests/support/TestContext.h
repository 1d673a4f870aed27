#pragma once

// A WindowContext wired to fakes, for tests that build real windows.

#include "app/ModGeneral.h"
#include "support/Fakes.h"
#include "ui/WindowContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

struct TestContext
{
    ModGeneral shared;
    ScriptedRandomSource random;
    FakeSoundPlayer sound;
    FakeDocumentOpener documents;
    FakePrompter prompter;
    FakePrinter printer;
    FakeTimerFactory timers;
    WindowContext context{shared, random, sound, documents, prompter, printer, timers, QStringLiteral("/opt/quorvel")};
};

// Runs the deletions that windows asked for with deleteLater().
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Whether a window stands centred on the screen it appears on. The window is placed
// before its frame is known, so its client area may sit off by the frame's margins.
inline bool isCentredOnScreen(const QWidget *window)
{
    const QPoint offset = window->geometry().center() - window->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 4;
}

// The top-level windows that exist right now, of any of the program's three kinds.
inline QStringList loadedWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (name == QLatin1String("frmMain") || name == QLatin1String("frmRoller")
            || name == QLatin1String("frmScoresheet"))
            names << name;
    }
    return names;
}
