#pragma once

// A WindowContext wired to the doubles, for everything that builds real windows
// without a user: tests, benchmarks and the screenshots.

#include "roll/ClockRandomSource.h"
#include "roll/RollHistory.h"
#include "roll/SoundSetting.h"
#include "services/AutosaveStore.h"
#include "support/Fakes.h"
#include "ui/WindowContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

// Random and Timers are the user's choice: scripted draws and timers ticked by hand
// for tests, the real source and Qt timers where a window must run by itself.
template <typename Random, typename Timers> struct BasicTestContext
{
    SoundSetting soundSetting;
    RollHistory rollerHistory;
    Random random;
    FakeSoundPlayer sound;
    FakeDocumentOpener documents;
    FakePrompter prompter;
    FakePrinter printer;
    FakeFileDialogs dialogs;
    Timers timers;
    // Every context keeps its sheets in a folder of its own, gone with it.
    QTemporaryDir dataFolder;
    AutosaveStore autosave{dataFolder.filePath(QStringLiteral("autosave"))};
    bool autosaveClaimed = autosave.claim(nullptr);
    WindowContext context{soundSetting, random,        sound,
                          documents,    prompter,      printer,
                          dialogs,      timers,        {QStringLiteral("/opt/quorvel")},
                          &autosave,    &rollerHistory};

    // The same services with another printer: a real one, for the tests that print through it.
    WindowContext withPrinter(Printer &other) const
    {
        return WindowContext{context.soundSetting, context.random,       context.sound,
                             context.documents,    context.prompter,     other,
                             context.dialogs,      context.timers,       context.dataFolders,
                             context.autosave,     context.rollerHistory};
    }
};

// The system clock's random source, made in one piece.
class LiveRandomSource final : public RandomSource
{
public:
    void reseed() override { m_source.reseed(); }
    float nextDraw() override { return m_source.nextDraw(); }

private:
    SystemClock m_clock;
    ClockRandomSource m_source{m_clock};
};

using TestContext = BasicTestContext<ScriptedRandomSource, FakeTimerFactory>;
using LiveContext = BasicTestContext<LiveRandomSource, QtTimerFactory>;

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
