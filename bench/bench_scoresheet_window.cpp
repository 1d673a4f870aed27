// What the scoresheet window costs the user, with every control it builds: opening it
// until it is on screen, one digit typed into an inning R field of a full sheet until
// the dependent controls hold their new text (and, separately, until they are
// painted), and a confirmed reset of a full sheet with the window open. Runs offscreen
// unless a platform is chosen; the first window of the process is timed on its own and
// reported in the context, since it pays for fonts and pictures made once.
#include "BenchMain.h"
#include "app/Navigator.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "support/NineInnings.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/LauncherWindow.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/scoresheet/SheetView.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

// Remembers which of the watched widgets have been painted since the last clear().
class PaintWatch final : public QObject
{
public:
    void watch(QWidget *widget)
    {
        widget->installEventFilter(this);
        m_widgets.push_back(widget);
        m_painted.push_back(false);
    }
    void clear() { std::fill(m_painted.begin(), m_painted.end(), false); }
    bool allPainted() const { return std::find(m_painted.begin(), m_painted.end(), false) == m_painted.end(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto at = std::find(m_widgets.begin(), m_widgets.end(), watched);
            if (at != m_widgets.end())
                m_painted[size_t(at - m_widgets.begin())] = true;
        }
        return false;
    }

private:
    std::vector<QObject *> m_widgets;
    std::vector<bool> m_painted;
};

// Processes events until every watched widget has been painted; false after five seconds.
bool waitPainted(const PaintWatch &watch)
{
    QElapsedTimer waited;
    waited.start();
    while (!watch.allPainted()) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Shows the window and processes events until it is exposed and its client area painted.
bool showAndWait(QWidget &window)
{
    PaintWatch watch;
    auto *client = window.findChild<QWidget *>(QStringLiteral("clientArea"));
    watch.watch(client ? client : &window);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return waitPainted(watch);
}

// The controls a digit in the away half's fifth inning R field changes besides itself:
// RUNS, the linescore R, NEED H+RBI, the linescore cell of the inning, the pull counter.
const char *const RunsDependents[] = {"txtRunsA", "txtRunsA2", "txtNeedHRBIA", "txtInnA_5", "txtPullA_5"};

// A full sheet in an open window with the focus in txtRA_5, ready for typing.
struct TypingSetup
{
    LiveContext services;
    std::unique_ptr<ScoresheetWindow> window;
    QLineEdit *runs = nullptr;
    std::vector<QLineEdit *> dependents;

    // Returns an error for the benchmark to report, or an empty string.
    std::string open()
    {
        window = std::make_unique<ScoresheetWindow>(services.context);
        if (!showAndWait(*window))
            return "the scoresheet window was never painted";
        NineInnings().type(window->sheet());
        runs = window->findChild<QLineEdit *>(QStringLiteral("txtRA_5"));
        if (!runs)
            return "no control txtRA_5";
        for (const char *name : RunsDependents) {
            auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(name));
            if (!edit)
                return std::string("no control ") + name;
            dependents.push_back(edit);
        }
        window->activateWindow();
        runs->setFocus();
        QCoreApplication::processEvents();

        // Every dependent control must take a new text when the digit changes, or the
        // benchmark would time less than it claims.
        std::vector<QString> before;
        type(Qt::Key_2);
        for (QLineEdit *edit : dependents)
            before.push_back(edit->text());
        type(Qt::Key_3);
        for (size_t i = 0; i < dependents.size(); ++i)
            if (dependents[i]->text() == before[i])
                return std::string("typing in txtRA_5 left ") + RunsDependents[i] + " unchanged";
        if (runs->text() != QStringLiteral("3") || !services.prompter.messages.isEmpty())
            return "the typed digit did not land as the only text of txtRA_5";
        QCoreApplication::processEvents();
        return {};
    }

    // One keystroke replacing the field's text with a single digit.
    void type(Qt::Key digit)
    {
        runs->selectAll();
        QTest::keyClick(runs, digit);
    }
};

// (a) Opening the window: construct, show, and process events until it is exposed
// and painted. The window is destroyed outside the timed part.
void BM_OpenScoresheet(benchmark::State &state)
{
    LiveContext services;
    double constructing = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto window = std::make_unique<ScoresheetWindow>(services.context);
        constructing += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const bool shown = showAndWait(*window);
        const auto end = std::chrono::steady_clock::now();
        if (!shown) {
            state.SkipWithError("the scoresheet window was never painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        window.reset();
        QCoreApplication::processEvents(); // deferred deletions of the closed window
    }
    // Of the time above, what the constructor takes (the rest is showing and painting).
    state.counters["construct_ms"] = benchmark::Counter(constructing, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OpenScoresheet)->UseManualTime()->Repetitions(5)->Unit(benchmark::kMillisecond);

// "Quorvel Helper" clicked on the launcher until the scoresheet is painted, through the
// program's own navigation, in milliseconds (negative when it failed); closing the
// scoresheet brings the launcher back, painted, for the next open.
double openFromLauncher(Navigator &navigator)
{
    auto *launcher = qobject_cast<LauncherWindow *>(navigator.current());
    auto *helper = launcher ? launcher->findChild<QPushButton *>(QStringLiteral("cmdHelper")) : nullptr;
    if (!helper || !showAndWait(*launcher))
        return -1;
    const auto start = std::chrono::steady_clock::now();
    helper->click();
    auto *sheet = qobject_cast<ScoresheetWindow *>(navigator.current());
    const bool shown = sheet && showAndWait(*sheet);
    const auto end = std::chrono::steady_clock::now();
    if (!shown)
        return -1;
    sheet->close();
    flushDeletes();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// (a, from the launcher) As the user opens it again and again; the process's first
// open, which builds the shared fonts and pictures, is reported in the context.
void BM_OpenFromLauncher(benchmark::State &state)
{
    LiveContext services;
    Navigator navigator(services.context, [] {});
    navigator.start();
    for (auto _ : state) {
        const double ms = openFromLauncher(navigator);
        if (ms < 0) {
            state.SkipWithError("the scoresheet did not open from the launcher");
            return;
        }
        state.SetIterationTime(ms / 1000);
    }
}
BENCHMARK(BM_OpenFromLauncher)->UseManualTime()->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond);

// (b) One digit typed into txtRA_5 of a full sheet, until RUNS, the linescore R, NEED
// H+RBI, the linescore cell and the pull counter hold their new text.
void BM_RunsDigit(benchmark::State &state)
{
    TypingSetup setup;
    if (const std::string error = setup.open(); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    const Qt::Key digits[2] = {Qt::Key_2, Qt::Key_3};
    int turn = 1; // the field holds "3": the first keystroke types "2"
    for (auto _ : state)
        setup.type(digits[turn ^= 1]);
    // Repaints requested by the timed keystrokes are not part of this figure.
    QCoreApplication::processEvents();
}
BENCHMARK(BM_RunsDigit)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// (b, painted) The same keystroke until the field and its dependent controls on show
// have been painted with their new text: what the user waits for on screen. Under the
// roll panel (the window's first view) RUNS, NEED H+RBI and the pull counter show; with
// the linescore shown, its R and inning cell as well.
// With longValues, two other cells hold a mebibyte of text each (a paste gone wrong): a
// long value costs nothing to a keystroke elsewhere.
void BM_RunsDigitPainted(benchmark::State &state, bool linescore, bool longValues)
{
    TypingSetup setup;
    if (const std::string error = setup.open(); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    if (longValues) {
        setup.window->sheet().field(ColumnId::Team, Side::Away).write(QString(1024 * 1024, u'x'));
        setup.window->sheet().field(ColumnId::Hitter, Side::Away, 3).write(QString(1024 * 1024, u'y'));
        setup.runs->setFocus();
        QCoreApplication::processEvents();
    }
    if (linescore) {
        setup.window->findChild<QPushButton *>(QStringLiteral("cmdLinescore"))->click();
        setup.runs->setFocus();
        QCoreApplication::processEvents();
    }
    PaintWatch watch;
    watch.watch(setup.runs);
    int watched = 1;
    for (QLineEdit *edit : setup.dependents) {
        // The panel in front hides the other one without hiding its controls.
        if (!edit->visibleRegion().isEmpty()) {
            watch.watch(edit);
            ++watched;
        }
    }
    const Qt::Key digits[2] = {Qt::Key_2, Qt::Key_3};
    int turn = 1; // the field holds "3": the first keystroke types "2"
    for (auto _ : state) {
        watch.clear();
        setup.type(digits[turn ^= 1]);
        if (!waitPainted(watch)) {
            state.SkipWithError("a dependent control was not repainted");
            break;
        }
    }
    state.counters["controls"] = watched;
}
BENCHMARK_CAPTURE(BM_RunsDigitPainted, beside_long_values, false, true)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunsDigitPainted, roll_panel, false, false)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunsDigitPainted, linescore, true, false)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// (c) File, Reset Scoresheet on a full sheet, answered Yes, with the window open,
// until every control holds its cleared text. The sheet is filled again (and that
// filling painted) outside the timed part.
void BM_ResetFull(benchmark::State &state, bool painted)
{
    LiveContext services;
    ScoresheetWindow window(services.context);
    if (!showAndWait(window)) {
        state.SkipWithError("the scoresheet window was never painted");
        return;
    }
    auto *mnuReset = window.findChild<QAction *>(QStringLiteral("mnuReset"));
    auto *runs = window.findChild<QLineEdit *>(QStringLiteral("txtRunsA"));
    PaintWatch watch;
    watch.watch(&window.view());
    for (auto _ : state) {
        state.PauseTiming();
        NineInnings().type(window.sheet());
        QCoreApplication::processEvents();
        watch.clear();
        state.ResumeTiming();
        mnuReset->trigger();
        if (painted && !waitPainted(watch)) {
            state.SkipWithError("the sheet was not repainted after the reset");
            break;
        }
    }
    if (runs->text() != QStringLiteral("0") || window.sheet().field("txtRA", 5).text() != QString()
        || window.sheet().field("txtTeamA").text() != NineInnings().away.team || !services.prompter.messages.isEmpty())
        state.SkipWithError("the reset did not clear the sheet as expected");
}
BENCHMARK_CAPTURE(BM_ResetFull, texts, false)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ResetFull, painted, true)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// (d) A game file whose hitter's name is 300,000 characters long, opened into a window:
// read, checked, put on the sheet and painted.
void BM_OpenLongValueGame(benchmark::State &state)
{
    LiveContext services;
    Scoresheet sheet;
    NineInnings().type(sheet);
    sheet.field(ColumnId::Hitter, Side::Home, 4).write(QString(300000, u'z'));
    const QString path = services.dataFolder.filePath(QStringLiteral("long.quorvel"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("1.0.0"), services.clock.now()))
               <= 0) {
        state.SkipWithError("the game file could not be written");
        return;
    }
    file.close();
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<ScoresheetWindow>(services.context);
        if (!showAndWait(*window)) {
            state.SkipWithError("the scoresheet window was never painted");
            return;
        }
        state.ResumeTiming();
        if (!window->gameKeeper().openFile(path)) {
            state.SkipWithError("the game was refused");
            return;
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLongValueGame)->Iterations(3)->Unit(benchmark::kMillisecond);

// The very first scoresheet of the process, opened from the launcher: it builds the
// shared fonts and pictures.
void reportFirstOpen()
{
    LiveContext services;
    Navigator navigator(services.context, [] {});
    navigator.start();
    const double ms = openFromLauncher(navigator);
    benchmark::AddCustomContext("first_open_ms", ms < 0 ? std::string("never painted") : std::to_string(ms));
}

// The offscreen platform says on every window with a fixed-size layout that it cannot
// pass size hints on; that line would bury the figures. Everything else goes through.
} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, reportFirstOpen);
}
