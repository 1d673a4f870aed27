// Sharing a made-up season of 2,430 games among 30 teams: the HTML report and the printed
// book written from its figures (and from the folder, read cold), and what a window works
// out again after a saved game: the charts' series, the leaders, the team pages.
#include "BenchMain.h"
#include "season/ChartSvg.h"
#include "season/PennantRace.h"
#include "season/SeasonCalculator.h"
#include "season/SeasonLeaders.h"
#include "season/SeasonRead.h"
#include "season/SeasonReader.h"
#include "season/SeasonReport.h"
#include "season/TeamSeason.h"
#include "services/QtPrinter.h"
#include "support/TestContext.h"
#include "tools/seasongen/SeasonGenerator.h"
#include "ui/season/charts/ChartsPage.h"
#include "ui/season/print/SeasonPrintBook.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Games = 2430;
constexpr int Teams = 30;

struct Season
{
    QTemporaryDir folder;
    QTemporaryDir out;
    SeasonFigures figures;
};

Season &season()
{
    static Season s;
    return s;
}

// The report's folder written from figures already read.
void BM_ReportHtml(benchmark::State &state)
{
    int files = 0;
    for (auto _ : state) {
        const SeasonReport report(season().figures);
        if (!report.write(QDir(season().out.path()).filePath(QStringLiteral("html"))).isEmpty())
            state.SkipWithError("the report was not written");
        files = int(season().figures.games.size() + season().figures.teams.size()) + 3;
    }
    state.counters["files"] = files;
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// What `quorvel --season DIR --export-html OUTDIR` does: the folder read cold, then the report.
void BM_ReportHtmlFromFolder(benchmark::State &state)
{
    for (auto _ : state) {
        const SeasonFigures figures = readSeason(season().folder.path());
        if (!SeasonReport(figures).write(QDir(season().out.path()).filePath(QStringLiteral("html2"))).isEmpty())
            state.SkipWithError("the report was not written");
    }
}
BENCHMARK(BM_ReportHtmlFromFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The printed book laid out, not yet drawn.
void BM_ReportBookLayout(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SeasonPrintBook(season().figures).pages().size());
}
BENCHMARK(BM_ReportBookLayout)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The printed book laid out and written to a PDF file through the printer.
void BM_ReportPdf(benchmark::State &state)
{
    int pages = 0;
    for (auto _ : state) {
        const SeasonPrintBook book(season().figures);
        QtPrinter printer;
        QString error;
        if (!book.writePdf(printer, QDir(season().out.path()).filePath(QStringLiteral("book.pdf")), &error))
            state.SkipWithError(qPrintable(error));
        pages = int(book.pages().size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The charts' series after a saved game: the race of every division, runs scored and
// allowed, and one team's run differential, as a window's charts take them.
void BM_ChartSeries(benchmark::State &state)
{
    const int team = TeamSeason::find(season().figures, season().figures.teams.value(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(PennantRace::gamesBehind(season().figures));
        benchmark::DoNotOptimize(PennantRace::runs(season().figures));
        benchmark::DoNotOptimize(PennantRace::runDifferential(season().figures, team));
    }
}
BENCHMARK(BM_ChartSeries)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

// Everything a window shows besides the tables, after a saved game: the series, the race
// as SVG, the leaders, and every team's page and run differential.
void BM_WindowFiguresAfterSave(benchmark::State &state)
{
    const SeasonFigures &figures = season().figures;
    for (auto _ : state) {
        for (const RaceChart &chart : PennantRace::gamesBehind(figures))
            benchmark::DoNotOptimize(ChartSvg::race(chart));
        benchmark::DoNotOptimize(PennantRace::runs(figures));
        benchmark::DoNotOptimize(SeasonLeaders::compute(figures));
        for (int team = 0; team < int(figures.teamNames.size()); ++team) {
            benchmark::DoNotOptimize(TeamSeason::of(figures, team));
            benchmark::DoNotOptimize(PennantRace::runDifferential(figures, team));
        }
    }
}
BENCHMARK(BM_WindowFiguresAfterSave)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

// What the user waits for after a saved game while the Charts page shows: the page's
// figures worked out again and its chart built and painted, for the race of a division of
// five teams and for the runs of all thirty.
void BM_ChartsPageAfterSave(benchmark::State &state)
{
    LiveContext services;
    ChartsPage page(services.context);
    page.resize(1000, 600);
    page.show();
    auto *chooser = page.findChild<QComboBox *>(QStringLiteral("cboChart"));
    const auto figures = std::make_shared<const SeasonFigures>(season().figures);
    page.setSeason(figures, {});
    if (state.range(0) == 1)
        chooser->setCurrentIndex(chooser->count() - 2); // runs scored and allowed
    for (auto _ : state) {
        page.setSeason(figures, {});
        page.repaint();
        page.findChild<QWidget *>(QStringLiteral("chtSeason"))->repaint();
    }
    state.SetLabel(chooser->currentText().toStdString());
}
BENCHMARK(BM_ChartsPageAfterSave)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv, [] {
        const QString problem = SeasonGenerator(Games, Teams, 1977).write(season().folder.path());
        if (!problem.isEmpty())
            qFatal("%s", qPrintable(problem));
        season().figures = readSeason(season().folder.path());
        if (int(season().figures.games.size()) < Games * 8 / 10)
            qFatal("the season was not read");
    });
}
