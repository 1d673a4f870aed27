// Keeping a game: saving and opening a full nine-inning sheet, an autosave as the
// window makes it (on the user-interface thread), and undoing a reset with the window
// open until every control shows the sheet again.
#include "BenchMain.h"
#include "roll/Clock.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/AutosaveStore.h"
#include "support/NineInnings.h"
#include "support/TestContext.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/scoresheet/SheetHistory.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

// Capture and serialize: what Save does before the bytes go to the disk.
void BM_SaveNineInnings(benchmark::State &state)
{
    Scoresheet sheet;
    NineInnings().type(sheet);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray game = GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("1.0.0"),
                                                    QDateTime::currentDateTime());
        bytes = game.size();
        benchmark::DoNotOptimize(game.data());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_SaveNineInnings)->Unit(benchmark::kMicrosecond);

// Parse, check and restore onto a new sheet: what Open does after reading the file.
void BM_OpenNineInnings(benchmark::State &state)
{
    Scoresheet played;
    NineInnings().type(played);
    const QByteArray game = GameFile::serialize(GameSnapshot::capture(played), QStringLiteral("1.0.0"),
                                                QDateTime::currentDateTime());
    for (auto _ : state) {
        Scoresheet sheet;
        const OpenedGame opened = GameFile::parse(game, sheet);
        if (!opened.ok()) {
            state.SkipWithError("the saved game was refused");
            break;
        }
        opened.snapshot->restore(sheet);
        benchmark::DoNotOptimize(&sheet);
    }
}
BENCHMARK(BM_OpenNineInnings)->Unit(benchmark::kMicrosecond);

// One autosave of a full sheet as the window's timer makes it: what the user-interface
// thread spends (the sheet taken and handed over); the disk write runs on the store's
// own thread, outside the timing.
void BM_Autosave(benchmark::State &state)
{
    QTemporaryDir folder;
    SystemClock clock;
    AutosaveStore store(folder.filePath(QStringLiteral("autosave")), clock);
    if (!store.slot()) {
        state.SkipWithError("no autosave slot");
        return;
    }
    Scoresheet sheet;
    NineInnings().type(sheet);
    bool failed = false;
    QObject::connect(&store, &SheetStore::failed, [&failed] { failed = true; });
    for (auto _ : state) {
        const QByteArray game = GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("1.0.0"), clock.now());
        store.keepOpenSheet(game, {});
        state.PauseTiming();
        store.waitForWrites();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (failed)
        state.SkipWithError("the autosave could not be written");
}
BENCHMARK(BM_Autosave)->Unit(benchmark::kMicrosecond);

// Undo of a reset of a full sheet in an open window: every field and control back.
void BM_UndoReset(benchmark::State &state)
{
    LiveContext services;
    ScoresheetWindow window(services.context);
    window.show();
    QCoreApplication::processEvents();
    NineInnings().type(window.sheet());
    auto *reset = window.findChild<QAction *>(QStringLiteral("mnuReset"));
    auto *runs = window.findChild<QLineEdit *>(QStringLiteral("txtRunsA"));
    const QString played = runs->text();
    for (auto _ : state) {
        state.PauseTiming();
        reset->trigger();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.history().stack().undo();
        QCoreApplication::processEvents();
    }
    if (runs->text() != played || played == QStringLiteral("0"))
        state.SkipWithError("the undo did not bring the sheet back");
}
BENCHMARK(BM_UndoReset)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
