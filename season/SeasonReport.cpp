#include "season/SeasonReport.h"

#include "season/BoxScore.h"
#include "season/ChartSvg.h"
#include "season/HtmlPage.h"
#include "season/PennantRace.h"
#include "season/SeasonFigures.h"
#include "season/SeasonLeaders.h"
#include "season/SeasonTables.h"
#include "season/TeamSeason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtConcurrent>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonReport", text);
}

const char *const StyleSheet = R"(/* Quorvel Companion season report: plain pages that print as they show. */
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; margin: 1em auto; max-width: 72em;
       padding: 0 1em; color: #111; background: #fff; }
ul.nav { margin: 0 0 1em; padding: 0; }
ul.nav li { display: inline; margin-right: 1.5em; }
h1 { font-size: 1.6em; margin: 0.2em 0; }
h2 { font-size: 1.25em; margin-top: 1.5em; border-bottom: 1px solid #999; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
caption { text-align: start; font-weight: bold; padding: 0.2em 0; }
th, td { padding: 0.15em 0.5em; border-bottom: 1px solid #ddd; text-align: start; }
thead th { border-bottom: 2px solid #666; }
tbody th { font-weight: normal; }
tfoot th, tfoot td { font-weight: bold; border-top: 2px solid #666; }
.num { text-align: right; font-variant-numeric: tabular-nums; }
.leaders { display: flex; flex-wrap: wrap; gap: 0 2em; }
.teams li { display: inline; margin-right: 1em; }
.details, .notes { color: #333; }
figure.chart { margin: 1em 0; }
figure.chart svg { max-width: 100%; height: auto; }
pre { font-family: "Liberation Mono", "DejaVu Sans Mono", monospace; }
@media print { ul.nav, details { display: none; } h2 { break-after: avoid; } table { break-inside: avoid; } }
)";

void navigation(HtmlPage &page, const SeasonFigures &figures)
{
    page.links({{SeasonTables::seasonTitle(figures), QStringLiteral("index.html")},
                {tr("All games"), QStringLiteral("games.html")}},
               QStringLiteral("nav"));
}

} // namespace

SeasonReport::SeasonReport(const SeasonFigures &figures)
    : m_figures(figures)
{
}

QByteArray SeasonReport::index() const
{
    HtmlPage page(SeasonTables::seasonTitle(m_figures), 0);
    page.heading(1, SeasonTables::seasonTitle(m_figures));
    page.paragraph(tr("%1: standings and leaders from %2.")
                       .arg(SeasonTables::kindName(m_figures), SeasonTables::gameCount(m_figures)),
                   QStringLiteral("details"));
    page.links({{tr("Standings"), QStringLiteral("#standings")},
                {tr("The race"), QStringLiteral("#race")},
                {tr("Leaders"), QStringLiteral("#leaders")},
                {tr("Teams"), QStringLiteral("#teams")},
                {tr("All games"), QStringLiteral("games.html")}},
               QStringLiteral("nav"));

    page.heading(2, tr("Standings"), QStringLiteral("standings"));
    const std::vector<ReportTable> standings = SeasonTables::standings(m_figures);
    if (standings.empty())
        page.paragraph(tr("No teams yet."), QStringLiteral("empty"));
    for (const ReportTable &table : standings)
        page.table(table);

    page.heading(2, tr("The race"), QStringLiteral("race"));
    for (const RaceChart &chart : PennantRace::gamesBehind(m_figures))
        page.chart(ChartSvg::race(chart), SeasonTables::race(chart));
    const std::vector<TeamRuns> runs = PennantRace::runs(m_figures);
    page.chart(ChartSvg::runs(runs), SeasonTables::runs(runs, m_figures));

    page.heading(2, tr("Leaders"), QStringLiteral("leaders"));
    const SeasonLeaders leaders = SeasonLeaders::compute(m_figures);
    const auto boards = [&](const QString &title, const std::vector<LeaderBoard> &list) {
        page.heading(3, title);
        page.beginSection(QStringLiteral("leaders"));
        for (const LeaderBoard &board : list)
            page.table(SeasonTables::leaders(board, m_figures));
        page.endSection();
    };
    boards(tr("Hitting"), leaders.batting);
    boards(tr("Pitching"), leaders.pitching);
    boards(tr("Games"), {leaders.hittingStreaks, leaders.multiHitGames});

    page.heading(2, tr("Teams"), QStringLiteral("teams"));
    std::vector<std::pair<QString, QString>> teams;
    for (const QString &team : m_figures.teams) {
        const int id = TeamSeason::find(m_figures, team);
        teams.push_back({team, id >= 0 ? SeasonTables::teamPage(id) : QString()});
    }
    page.links(teams, QStringLiteral("teams"));
    return page.finish();
}

QByteArray SeasonReport::gameList() const
{
    HtmlPage page(tr("All games"), 0);
    navigation(page, m_figures);
    page.heading(1, tr("All games"));
    if (m_figures.games.empty())
        page.paragraph(tr("No games of this kind yet."), QStringLiteral("empty"));
    else
        page.table(SeasonTables::games(m_figures));
    return page.finish();
}

QByteArray SeasonReport::teamPage(int team) const
{
    const TeamSeason season = TeamSeason::of(m_figures, team);
    HtmlPage page(season.name, 1);
    navigation(page, m_figures);
    page.heading(1, season.name);
    QString record = tr("%1 wins, %2 losses, %3 ties")
                         .arg(QString::number(season.wins), QString::number(season.losses),
                              QString::number(season.ties));
    if (!season.division.isEmpty())
        record = tr("%1, %2").arg(season.division, record);
    page.paragraph(record, QStringLiteral("details"));
    page.heading(2, tr("Results"));
    if (season.results.empty())
        page.paragraph(tr("No games yet."), QStringLiteral("empty"));
    else
        page.table(SeasonTables::teamResults(season, m_figures));
    const ChartSeries difference = PennantRace::runDifferential(m_figures, team);
    page.chart(ChartSvg::differential(difference), SeasonTables::differential(difference));
    page.heading(2, tr("Hitters and pitchers"));
    page.table(SeasonTables::teamHitters(season));
    page.table(SeasonTables::teamPitchers(season));
    page.heading(2, tr("Runs and opponents"));
    page.table(SeasonTables::teamRunsByInning(season));
    page.table(SeasonTables::teamOpponents(season, m_figures));
    return page.finish();
}

QByteArray SeasonReport::gamePage(std::size_t game) const
{
    const BoxScore box = BoxScore::fromSeason(m_figures, game);
    HtmlPage page(box.headline(), 1);
    navigation(page, m_figures);
    page.heading(1, box.headline());
    page.paragraph(box.details(), QStringLiteral("details"));
    const GamePlayers *players = m_figures.games[game].players.get();
    page.table(SeasonTables::linescore(box, players ? players->teams : std::array<int, 2>{-1, -1}));
    for (Side side : Sides) {
        page.table(SeasonTables::boxHitting(box, side));
        if (!box.team(side).notes.isEmpty())
            page.paragraph(box.team(side).notes, QStringLiteral("notes"));
    }
    for (Side side : Sides)
        page.table(SeasonTables::boxPitching(box, side));
    if (!box.notes.isEmpty())
        page.paragraph(tr("Notes: %1").arg(box.notes), QStringLiteral("notes"));
    page.preformatted(tr("The box score as text"), box.toText());
    return page.finish();
}

QList<std::pair<QString, QByteArray>> SeasonReport::files() const
{
    QList<std::pair<QString, QByteArray>> files;
    files << std::pair(QStringLiteral("style.css"), QByteArray(StyleSheet));
    files << std::pair(QStringLiteral("index.html"), index());
    files << std::pair(QStringLiteral("games.html"), gameList());
    for (const QString &team : m_figures.teams) {
        const int id = TeamSeason::find(m_figures, team);
        if (id >= 0)
            files << std::pair(SeasonTables::teamPage(id), teamPage(id));
    }
    // A season has thousands of games: their pages are made on every core.
    QList<std::size_t> games;
    for (std::size_t game = 0; game < m_figures.games.size(); ++game)
        games << game;
    const QList<QByteArray> pages = QtConcurrent::blockingMapped(games,
                                                                 [this](std::size_t game) { return gamePage(game); });
    for (qsizetype i = 0; i < games.size(); ++i)
        files << std::pair(SeasonTables::gamePage(games[i]), pages[i]);
    return files;
}

QStringList SeasonReport::fileNames() const
{
    QStringList names{QStringLiteral("style.css"), QStringLiteral("index.html"), QStringLiteral("games.html")};
    for (const QString &team : m_figures.teams) {
        const int id = TeamSeason::find(m_figures, team);
        if (id >= 0)
            names << SeasonTables::teamPage(id);
    }
    for (std::size_t game = 0; game < m_figures.games.size(); ++game)
        names << SeasonTables::gamePage(game);
    return names;
}

QStringList SeasonReport::othersIn(const QString &folder) const
{
    const QDir dir(folder);
    QStringList others;
    for (const QString &name : fileNames()) {
        QFile file(dir.filePath(name));
        if (!file.exists())
            continue;
        // Every page and the stylesheet name the program near their top.
        if (!file.open(QIODevice::ReadOnly) || !file.read(1024).contains(Marker))
            others << name;
    }
    return others;
}

QString SeasonReport::write(const QString &folder) const
{
    const QDir dir(folder);
    for (const QString &sub : {QStringLiteral("."), QStringLiteral("teams"), QStringLiteral("games")})
        if (!dir.mkpath(sub))
            return tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(dir.filePath(sub)));
    // Plain writes: a report is thousands of pages, and making each safe on the disk one by
    // one (as a saved game is) would cost many seconds; a failed write is still told.
    for (const auto &[name, bytes] : files()) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
            || !file.flush())
            return tr("The file %1 could not be written: %2.")
                .arg(QDir::toNativeSeparators(dir.filePath(name)), file.errorString());
    }
    return {};
}
