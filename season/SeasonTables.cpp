#include "season/SeasonTables.h"

#include "season/SeasonCsv.h"
#include "season/SeasonFigures.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonTables", text);
}

using Cell = ReportTable::Cell;
using Column = ReportTable::Column;

Column name(const QString &header)
{
    return {header, false, true};
}

Column text(const QString &header)
{
    return {header, false, false};
}

Column number(const QString &header)
{
    return {header, true, false};
}

Cell cell(qint64 value)
{
    return {QString::number(value), {}};
}

Cell teamCell(const SeasonFigures &figures, const QString &team)
{
    const int id = TeamSeason::find(figures, team);
    return {team, id >= 0 ? SeasonTables::teamPage(id) : QString()};
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString record(qint64 wins, qint64 losses)
{
    return QStringLiteral("%1-%2").arg(wins).arg(losses);
}

QString chartValue(double value)
{
    // Games behind are halves; differentials whole runs.
    return std::fmod(value, 1.0) == 0.0 ? QString::number(qint64(value)) : QString::number(value, 'f', 1);
}

} // namespace

namespace SeasonTables {

QString seasonTitle(const SeasonFigures &figures)
{
    return figures.seasonName.isEmpty() ? tr("The season") : figures.seasonName;
}

QString kindName(const SeasonFigures &figures)
{
    if (!figures.type)
        return tr("All games");
    switch (*figures.type) {
    case GameType::Regular:
        return tr("Regular season");
    case GameType::Postseason:
        return tr("Postseason");
    case GameType::Exhibition:
        return tr("Exhibition games");
    }
    return {};
}

QString gameCount(const SeasonFigures &figures)
{
    const std::size_t games = figures.games.size();
    if (games <= 1)
        return games == 0 ? tr("no game") : tr("one game");
    return tr("%1 games").arg(QLocale::c().toString(qulonglong(games)));
}

QString teamPage(int team)
{
    return QStringLiteral("teams/team-%1.html").arg(team);
}

QString gamePage(std::size_t game)
{
    return QStringLiteral("games/game-%1.html").arg(qulonglong(game) + 1, 4, 10, QLatin1Char('0'));
}

std::vector<ReportTable> standings(const SeasonFigures &figures)
{
    std::vector<ReportTable> tables;
    const bool divisions = std::any_of(figures.standings.begin(), figures.standings.end(),
                                       [](const StandingRow &row) { return !row.division.isEmpty(); });
    for (const StandingRow &row : figures.standings) {
        const QString caption = !row.division.isEmpty() ? row.division : divisions ? tr("Other teams") : tr("League");
        if (tables.empty() || tables.back().caption != caption || tables.back().rows.empty()) {
            ReportTable table;
            table.caption = caption;
            table.kind = QStringLiteral("standings");
            table.columns = {name(tr("Team")),   number(tr("G")),    number(tr("W")),   number(tr("L")),
                             number(tr("T")),    number(tr("PCT")),  number(tr("GB")),  number(tr("Home")),
                             number(tr("Road")), number(tr("L10")),  text(tr("STRK")),  number(tr("RS")),
                             number(tr("RA")),   number(tr("DIFF")), number(tr("Pyth"))};
            tables.push_back(table);
        }
        const qint64 decided = row.wins + row.losses;
        tables.back().rows.push_back({teamCell(figures, row.team),
                                      cell(row.games),
                                      cell(row.wins),
                                      cell(row.losses),
                                      cell(row.ties),
                                      {SeasonCsv::ratio(decided ? row.wins : 0, decided ? decided : 1, 3), {}},
                                      {SeasonCsv::ratio(qint64(std::lround(row.gamesBehind * 2)), 2, 1), {}},
                                      {record(row.homeWins, row.homeLosses), {}},
                                      {record(row.roadWins, row.roadLosses), {}},
                                      {record(row.lastTenWins, row.lastTenLosses), {}},
                                      {row.streak, {}},
                                      cell(row.runsScored),
                                      cell(row.runsAllowed),
                                      cell(row.difference()),
                                      {record(row.pythagoreanWins, row.pythagoreanLosses), {}}});
    }
    return tables;
}

ReportTable leaders(const LeaderBoard &board, const SeasonFigures &figures)
{
    ReportTable table;
    table.caption = board.title;
    table.kind = QStringLiteral("leaders");
    const bool details = std::any_of(board.entries.begin(), board.entries.end(),
                                     [](const LeaderEntry &entry) { return !entry.detail.isEmpty(); });
    table.columns = {number(tr("#")), name(tr("Player")), name(tr("Team")), number(board.id)};
    if (details)
        table.columns.push_back(text(tr("Games")));
    for (const LeaderEntry &entry : board.entries) {
        ReportTable::Row row{cell(entry.rank)};
        if (entry.tiedPlayers > 0)
            row.insert(row.end(),
                       {{QCoreApplication::translate("SeasonTables", "%n players tied", nullptr, entry.tiedPlayers),
                         {}},
                        {}});
        else
            row.insert(row.end(), {{entry.name, {}}, teamCell(figures, entry.team)});
        row.push_back({entry.value, {}});
        if (details)
            row.push_back({entry.current ? tr("%1 (going on)").arg(entry.detail) : entry.detail, {}});
        table.rows.push_back(row);
    }
    return table;
}

ReportTable games(const SeasonFigures &figures)
{
    ReportTable table;
    table.caption = tr("Games");
    table.kind = QStringLiteral("games");
    table.columns = {text(tr("Date")), number(tr("No.")), name(tr("Visitors")), number(tr("R")),
                     name(tr("Home")), number(tr("R")),   text(tr("Box score"))};
    for (std::size_t i = 0; i < figures.games.size(); ++i) {
        const GameRow &game = figures.games[i];
        table.rows.push_back({{dateText(game.date), {}},
                              {game.number ? QString::number(*game.number) : QString(), {}},
                              teamCell(figures, game.away),
                              cell(game.awayRuns),
                              teamCell(figures, game.home),
                              cell(game.homeRuns),
                              {game.final ? tr("Final") : tr("Not finished"), gamePage(i)}});
    }
    return table;
}

ReportTable teamResults(const TeamSeason &team, const SeasonFigures &figures)
{
    ReportTable table;
    table.caption = tr("Results");
    table.kind = QStringLiteral("results");
    table.columns = {text(tr("Date")),    number(tr("No.")), text(tr("Where")), name(tr("Opponent")),
                     number(tr("Score")), text(tr("W/L")),   text(tr("Streak"))};
    for (const TeamResult &result : team.results)
        table.rows.push_back({{dateText(result.date), {}},
                              {result.number ? QString::number(*result.number) : QString(), {}},
                              {result.home ? tr("home") : tr("road"), {}},
                              teamCell(figures, result.opponent),
                              {record(result.runsFor, result.runsAgainst), gamePage(std::size_t(result.game))},
                              {result.final ? result.outcome : tr("not finished"), {}},
                              {result.streak, {}}});
    return table;
}

ReportTable teamHitters(const TeamSeason &team)
{
    ReportTable table;
    table.caption = tr("Hitters");
    table.kind = QStringLiteral("batting");
    table.columns = {name(tr("Player")), number(tr("G")),  number(tr("H")),   number(tr("2B")), number(tr("3B")),
                     number(tr("HR")),   number(tr("TB")), number(tr("RBI")), number(tr("SB"))};
    BattingRow totals;
    for (const BattingRow &row : team.hitters) {
        table.rows.push_back({{row.player, {}},
                              cell(row.games),
                              cell(row.hits),
                              cell(row.doubles),
                              cell(row.triples),
                              cell(row.homeRuns),
                              cell(row.totalBases()),
                              cell(row.rbi),
                              cell(row.steals)});
        totals.hits += row.hits;
        totals.doubles += row.doubles;
        totals.triples += row.triples;
        totals.homeRuns += row.homeRuns;
        totals.rbi += row.rbi;
        totals.steals += row.steals;
    }
    table.totals = {{tr("Totals"), {}},        {},
                    cell(totals.hits),         cell(totals.doubles),
                    cell(totals.triples),      cell(totals.homeRuns),
                    cell(totals.totalBases()), cell(totals.rbi),
                    cell(totals.steals)};
    return table;
}

ReportTable teamPitchers(const TeamSeason &team)
{
    ReportTable table;
    table.caption = tr("Pitchers");
    table.kind = QStringLiteral("pitching");
    table.columns = {name(tr("Player")), number(tr("G")),  number(tr("GS")), number(tr("CG")), number(tr("SHO")),
                     number(tr("W")),    number(tr("L")),  number(tr("SV")), number(tr("IP")), number(tr("H")),
                     number(tr("R")),    number(tr("ER")), number(tr("BB")), number(tr("SO")), number(tr("ERA")),
                     number(tr("WHIP")), number(tr("K9"))};
    const auto rate = [](qint64 amount, qint64 innings) {
        return Cell{innings > 0 ? SeasonCsv::ratio(amount, innings, 2) : QString(), {}};
    };
    for (const PitchingRow &row : team.pitchers)
        table.rows.push_back({{row.player, {}},
                              cell(row.games),
                              cell(row.starts),
                              cell(row.completeGames),
                              cell(row.shutouts),
                              cell(row.wins),
                              cell(row.losses),
                              cell(row.saves),
                              cell(row.innings),
                              cell(row.hits),
                              cell(row.runs),
                              cell(row.earned),
                              cell(row.walks),
                              cell(row.strikeouts),
                              rate(9 * row.earned, row.innings),
                              rate(row.hits + row.walks, row.innings),
                              rate(9 * row.strikeouts, row.innings)});
    return table;
}

ReportTable teamRunsByInning(const TeamSeason &team)
{
    ReportTable table;
    table.caption = tr("Runs by inning");
    table.kind = QStringLiteral("innings");
    table.columns = {text(QString())};
    for (int inning = 1; inning <= team.innings; ++inning)
        table.columns.push_back(number(QString::number(inning)));
    table.columns.push_back(number(tr("Total")));
    const auto line = [&](const QString &label, const std::vector<qint64> &runs) {
        ReportTable::Row row{{label, {}}};
        qint64 total = 0;
        for (int inning = 1; inning < int(runs.size()); ++inning) {
            total += runs[std::size_t(inning)];
            if (inning <= team.innings)
                row.push_back(cell(runs[std::size_t(inning)]));
        }
        row.push_back(cell(total));
        table.rows.push_back(row);
    };
    if (!team.runsFor.empty()) {
        line(tr("Scored"), team.runsFor);
        line(tr("Allowed"), team.runsAgainst);
    }
    return table;
}

ReportTable teamOpponents(const TeamSeason &team, const SeasonFigures &figures)
{
    ReportTable table;
    table.caption = tr("Against each opponent");
    table.kind = QStringLiteral("opponents");
    table.columns = {name(tr("Opponent")), number(tr("W")),  number(tr("L")),
                     number(tr("T")),      number(tr("RS")), number(tr("RA"))};
    for (const OpponentRecord &opponent : team.opponents)
        table.rows.push_back({teamCell(figures, opponent.opponent), cell(opponent.wins), cell(opponent.losses),
                              cell(opponent.ties), cell(opponent.runsFor), cell(opponent.runsAgainst)});
    return table;
}

ReportTable linescore(const BoxScore &box, const std::array<int, 2> &teams)
{
    ReportTable table;
    table.caption = tr("Linescore");
    table.kind = QStringLiteral("linescore");
    table.columns = {name(QString())};
    for (int inning = 1; inning <= box.innings; ++inning)
        table.columns.push_back(number(QString::number(inning)));
    table.columns.push_back(number(tr("R")));
    table.columns.push_back(number(tr("H")));
    for (Side side : Sides) {
        const BoxScore::Team &team = box.team(side);
        const int id = teams[std::size_t(side)];
        ReportTable::Row row{{team.name, id >= 0 ? teamPage(id) : QString()}};
        for (const QString &runs : team.innings)
            row.push_back({runs, {}});
        row.push_back(cell(team.runs));
        row.push_back(cell(team.hits));
        table.rows.push_back(row);
    }
    return table;
}

ReportTable boxHitting(const BoxScore &box, Side side)
{
    const BoxScore::Team &team = box.team(side);
    ReportTable table;
    table.caption = team.name;
    table.kind = QStringLiteral("hitting");
    table.columns = {name(tr("Hitter")), number(tr("H")),  number(tr("RBI")), number(tr("2B")),
                     number(tr("3B")),   number(tr("HR")), number(tr("SB"))};
    const auto line = [](const QString &who, const BoxScore::Hitter &h) {
        return ReportTable::Row{{who, {}},       cell(h.hits),     cell(h.rbi),   cell(h.doubles),
                                cell(h.triples), cell(h.homeRuns), cell(h.steals)};
    };
    for (const BoxScore::Hitter &hitter : team.hitters)
        table.rows.push_back(line(hitter.name.isEmpty() ? tr("(no name)") : hitter.name, hitter));
    table.totals = line(tr("Totals"), team.totals);
    return table;
}

ReportTable boxPitching(const BoxScore &box, Side side)
{
    const BoxScore::Team &team = box.team(side);
    ReportTable table;
    table.caption = tr("%1 pitching").arg(team.name);
    table.kind = QStringLiteral("pitching");
    table.columns = {name(tr("Pitcher")), number(tr("IP")), number(tr("H")), number(tr("R")),
                     number(tr("ER")),    number(tr("BB")), number(tr("SO"))};
    for (const BoxScore::Pitcher &p : team.pitchers)
        table.rows.push_back({{p.decision.isEmpty() ? p.name : tr("%1 (%2)").arg(p.name, p.decision), {}},
                              cell(p.innings),
                              cell(p.hits),
                              cell(p.runs),
                              cell(p.earned),
                              cell(p.walks),
                              cell(p.strikeouts)});
    return table;
}

ReportTable race(const RaceChart &chart)
{
    ReportTable table;
    table.caption = chart.division.isEmpty() ? tr("Games behind") : tr("Games behind, %1").arg(chart.division);
    table.kind = QStringLiteral("race");
    table.columns = {text(tr("Date"))};
    for (const ChartSeries &series : chart.teams)
        table.columns.push_back({series.team, true, true});
    const std::size_t dates = chart.teams.empty() ? 0 : chart.teams.front().points.size();
    for (std::size_t i = 0; i < dates; ++i) {
        ReportTable::Row row{{dateText(chart.teams.front().points[i].date), {}}};
        for (const ChartSeries &series : chart.teams)
            row.push_back({chartValue(series.points[i].value), {}});
        table.rows.push_back(row);
    }
    return table;
}

ReportTable runs(const std::vector<TeamRuns> &runs, const SeasonFigures &figures)
{
    ReportTable table;
    table.caption = tr("Runs scored and allowed");
    table.kind = QStringLiteral("runs");
    table.columns = {name(tr("Team")), number(tr("Scored")), number(tr("Allowed")), number(tr("DIFF"))};
    for (const TeamRuns &team : runs)
        table.rows.push_back(
            {teamCell(figures, team.team), cell(team.scored), cell(team.allowed), cell(team.scored - team.allowed)});
    return table;
}

ReportTable differential(const ChartSeries &series)
{
    ReportTable table;
    table.caption = tr("Run differential");
    table.kind = QStringLiteral("differential");
    table.columns = {text(tr("Date")), number(tr("DIFF"))};
    for (const ChartPoint &point : series.points)
        table.rows.push_back({{dateText(point.date), {}}, {chartValue(point.value), {}}});
    return table;
}

} // namespace SeasonTables
