// The season book on a made-up season of 2,430 games among 30 teams: reading and adding
// it all up from a cold start, one changed game added up again, and the memory a loaded
// season holds.
#include "BenchMain.h"
#include "season/SeasonBook.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int Games = 2430;
constexpr int Teams = 30;

const SeasonGenerator &generator()
{
    static const SeasonGenerator season(Games, Teams, 1977);
    return season;
}

QString &folder()
{
    static QString path;
    return path;
}

void waitForFigures(SeasonBook &book)
{
    QEventLoop loop;
    QObject::connect(&book, &SeasonBook::figuresChanged, &loop, &QEventLoop::quit);
    loop.exec();
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    return 0;
}

// The resident memory a loaded season adds: measured first, before other runs leave memory behind.
void BM_SeasonResidentMemory(benchmark::State &state)
{
    double added = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        SeasonBook book;
        book.open(folder());
        waitForFigures(book);
        added = residentMegabytes() - before;
        if (int(book.figures()->games.size()) < Games * 9 / 10)
            state.SkipWithError("the season was not read");
    }
    state.counters["rss_added_MB"] = added;
}
BENCHMARK(BM_SeasonResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A new book reads every file and adds the season up; wall time until the figures are ready.
void BM_SeasonColdRead(benchmark::State &state)
{
    for (auto _ : state) {
        SeasonBook book;
        book.open(folder());
        waitForFigures(book);
        benchmark::DoNotOptimize(book.figures().get());
        if (book.filesReadLast() != Games)
            state.SkipWithError("not every game was read");
    }
    state.counters["games"] = Games;
}
BENCHMARK(BM_SeasonColdRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// One game rewritten again and again (as a save does, alternating between two versions),
// and the time from asking the book to look until its new figures are ready.
void measureRewrites(benchmark::State &state, int game, const std::function<void(SeasonBook &, const QString &)> &look)
{
    SeasonBook book;
    book.setWatching(false);
    book.open(folder());
    waitForFigures(book);
    const QString changed = QDir(folder()).filePath(generator().fileName(game));
    const QByteArray versions[] = {generator().gameFile(game + 1), generator().gameFile(game)};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QSaveFile file(changed);
        const QByteArray &bytes = versions[round++ % 2];
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            state.SkipWithError("the game could not be rewritten");
            break;
        }
        state.ResumeTiming();
        look(book, changed);
        waitForFigures(book);
        if (book.filesReadLast() != 1) {
            state.SkipWithError("more than the changed game was read");
            break;
        }
    }
}

// The book told of the game's folder as the watcher tells it: without the watcher's own wait.
void BM_SeasonOneChangedGame(benchmark::State &state)
{
    measureRewrites(state, 100,
                    [](SeasonBook &book, const QString &file) { book.noteChange(QFileInfo(file).absolutePath()); });
}
BENCHMARK(BM_SeasonOneChangedGame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The whole folder looked at again (refresh): every file's stamp read, one file read.
void BM_SeasonRefreshAfterOneChange(benchmark::State &state)
{
    measureRewrites(state, 200, [](SeasonBook &book, const QString &) { book.refresh(); });
}
BENCHMARK(BM_SeasonRefreshAfterOneChange)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir season;
    return runBenchmarks(argc, argv, [&] {
        folder() = season.path();
        const QString problem = generator().write(season.path());
        if (!problem.isEmpty())
            qFatal("%s", qPrintable(problem));
    });
}
