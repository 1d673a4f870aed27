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

// Random, Timers and the Clock are the user's choice: scripted draws, timers ticked by hand
// and a clock that stands still for tests; the real ones where a window must run by itself.
template <typename Random, typename Timers, typename Time> struct BasicTestContext
{
    SoundSetting soundSetting;
    RollHistory rollerHistory;
    Random random;
    Time clock;
    FakeSoundPlayer sound;
    FakeDocumentOpener documents;
    FakePrompter prompter;
    FakePrinter printer;
    FakeFileDialogs dialogs;
    Timers timers;
    MemoryPreferences preferences;
    // Every context keeps its sheets and its documents in a folder of its own, gone with it.
    QTemporaryDir dataFolder;
    AutosaveStore sheets{dataFolder.filePath(QStringLiteral("autosave")), clock};
    WindowContext context = with(printer, sound);

    // The same services with another printer, sound player or store: real ones, for the
    // tests that print or play through them, or a second run of the program.
    WindowContext with(Printer &otherPrinter, SoundPlayer &otherSound, SheetStore *otherSheets = nullptr)
    {
        return WindowContext{soundSetting,
                             random,
                             clock,
                             otherSound,
                             documents,
                             prompter,
                             otherPrinter,
                             dialogs,
                             timers,
                             otherSheets ? *otherSheets : sheets,
                             preferences,
                             {{QStringLiteral("/opt/quorvel")}, dataFolder.filePath(QStringLiteral("Documents"))},
                             &rollerHistory};
    }
    WindowContext withPrinter(Printer &other) { return with(other, sound); }
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

using TestContext = BasicTestContext<ScriptedRandomSource, FakeTimerFactory, FakeClock>;
using LiveContext = BasicTestContext<LiveRandomSource, QtTimerFactory, SystemClock>;

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
            || name == QLatin1String("frmScoresheet") || name == QLatin1String("frmSeason"))
            names << name;
    }
    return names;
}

// A window's caption as the window system shows it: "[*]" stands for the modified mark.
inline QString shownTitle(const QWidget *window)
{
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}
