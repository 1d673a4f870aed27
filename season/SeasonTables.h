#pragma once

#include "season/BoxScore.h"
#include "season/PennantRace.h"
#include "season/ReportTable.h"
#include "season/SeasonLeaders.h"
#include "season/TeamSeason.h"

#include <array>
#include <vector>

struct SeasonFigures;

// The season's figures as the report's tables, shared by the HTML report and the printed
// book. Numbers are written as the CSV export writes them (PCT with three places, GB with
// one, rates with two), so that a table and its CSV file agree. Links lead to the report's
// pages by the paths below.
namespace SeasonTables {

// The season's name ("The season" when season.json gives none) and the kind of game counted
// ("Regular season", "All games").
QString seasonTitle(const SeasonFigures &figures);
QString kindName(const SeasonFigures &figures);
// "no game", "one game", "2,430 games".
QString gameCount(const SeasonFigures &figures);

// "teams/team-3.html": a team's page, by the team's number.
QString teamPage(int team);
// "games/game-0001.html": a game's page, by its place in SeasonFigures::games.
QString gamePage(std::size_t game);

// One table a division (named ones first, then the teams no division lists), as the
// standings are ranked; its caption the division's name, or "League" or "Other teams".
std::vector<ReportTable> standings(const SeasonFigures &figures);
ReportTable leaders(const LeaderBoard &board, const SeasonFigures &figures);
// Every game of the kind, in game order, each linked to its page.
ReportTable games(const SeasonFigures &figures);

ReportTable teamResults(const TeamSeason &team, const SeasonFigures &figures);
ReportTable teamHitters(const TeamSeason &team);
ReportTable teamPitchers(const TeamSeason &team);
ReportTable teamRunsByInning(const TeamSeason &team);
ReportTable teamOpponents(const TeamSeason &team, const SeasonFigures &figures);

// teams: the two teams' numbers for links (-1: no link).
ReportTable linescore(const BoxScore &box, const std::array<int, 2> &teams = {-1, -1});
ReportTable boxHitting(const BoxScore &box, Side side);
ReportTable boxPitching(const BoxScore &box, Side side);

// The charts' text alternatives: what each line or bar stands for, as a table.
ReportTable race(const RaceChart &chart);
ReportTable runs(const std::vector<TeamRuns> &runs, const SeasonFigures &figures);
ReportTable differential(const ChartSeries &series);

} // namespace SeasonTables
