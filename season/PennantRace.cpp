#include "season/PennantRace.h"

#include "season/SeasonFigures.h"

#include <QHash>

namespace {

bool standingsGame(const GameRow &game)
{
    return game.final && game.players && game.players->teams[0] >= 0 && game.players->teams[1] >= 0
           && game.players->teams[0] != game.players->teams[1];
}

int teamNumber(const SeasonFigures &figures, const QString &name)
{
    for (std::size_t team = 0; team < figures.teamNames.size(); ++team)
        if (figures.teamNames[team] == name)
            return int(team);
    return -1;
}

struct Group
{
    RaceChart chart;
    std::vector<int> wins, losses, games;
    std::vector<bool> plays; // has a final game in the season: may lead, 0-0 before its first
    bool played = false;     // a team of the group played on the date being counted
};

void addPoints(Group &group, const QDate &date)
{
    group.played = false;
    int leadWins = 0, leadLosses = 0;
    bool leader = false;
    for (std::size_t t = 0; t < group.wins.size(); ++t)
        if (group.plays[t] && (!leader || group.wins[t] - group.losses[t] > leadWins - leadLosses)) {
            leader = true;
            leadWins = group.wins[t];
            leadLosses = group.losses[t];
        }
    for (std::size_t t = 0; t < group.wins.size(); ++t)
        group.chart.teams[t].points.push_back(
            {date, ((leadWins - group.wins[t]) + (group.losses[t] - leadLosses)) / 2.0});
}

} // namespace

std::vector<RaceChart> PennantRace::gamesBehind(const SeasonFigures &figures)
{
    std::vector<Group> groups;
    QHash<int, std::pair<std::size_t, std::size_t>> place; // team: group, index in it
    for (const StandingRow &row : figures.standings) {
        if (groups.empty() || groups.back().chart.division != row.division)
            groups.push_back({{row.division, {}}, {}, {}, {}, {}});
        Group &group = groups.back();
        const int team = teamNumber(figures, row.team);
        if (team >= 0)
            place.insert(team, {groups.size() - 1, group.chart.teams.size()});
        group.chart.teams.push_back({row.team, {}});
        group.wins.push_back(0);
        group.losses.push_back(0);
        group.games.push_back(0);
        group.plays.push_back(row.games > 0);
    }
    const auto dateDone = [&](const QDate &date) {
        if (!date.isValid())
            return;
        for (Group &group : groups)
            if (group.played)
                addPoints(group, date);
    };
    std::vector<const GameRow *> counted;
    for (const GameRow &game : figures.games)
        if (standingsGame(game))
            counted.push_back(&game);
    for (std::size_t i = 0; i < counted.size(); ++i) {
        const GameRow &game = *counted[i];
        for (Side side : Sides) {
            const auto found = place.constFind(game.players->teams[std::size_t(side)]);
            if (found == place.constEnd())
                continue;
            Group &group = groups[found->first];
            const std::size_t t = found->second;
            const GameResult won = side == Side::Away ? GameResult::Away : GameResult::Home;
            group.games[t] += 1;
            group.wins[t] += game.result == won ? 1 : 0;
            group.losses[t] += game.result != won && game.result != GameResult::Tie ? 1 : 0;
            group.played = true;
        }
        // The point of a date follows its last game.
        if (i + 1 == counted.size() || counted[i + 1]->date != game.date)
            dateDone(game.date);
    }
    std::vector<RaceChart> charts;
    for (Group &group : groups)
        charts.push_back(std::move(group.chart));
    return charts;
}

std::vector<TeamRuns> PennantRace::runs(const SeasonFigures &figures)
{
    std::vector<TeamRuns> runs;
    for (const StandingRow &row : figures.standings)
        runs.push_back({row.team, row.runsScored, row.runsAllowed});
    return runs;
}

ChartSeries PennantRace::runDifferential(const SeasonFigures &figures, int team)
{
    ChartSeries series;
    if (team < 0 || std::size_t(team) >= figures.teamNames.size())
        return series;
    series.team = figures.teamNames[std::size_t(team)];
    qint64 difference = 0;
    for (const GameRow &game : figures.games) {
        if (!standingsGame(game))
            continue;
        const std::array<int, 2> &teams = game.players->teams;
        if (teams[0] != team && teams[1] != team)
            continue;
        difference += teams[0] == team ? game.awayRuns - game.homeRuns : game.homeRuns - game.awayRuns;
        if (!game.date.isValid())
            continue;
        if (!series.points.empty() && series.points.back().date == game.date)
            series.points.back().value = double(difference);
        else
            series.points.push_back({game.date, double(difference)});
    }
    return series;
}
