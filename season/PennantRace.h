#pragma once

#include "season/ChartSeries.h"

#include <vector>

struct SeasonFigures;

// The race of one division (or of the league when no division is named): each team's
// games behind the leader after every date on which a team of the division played.
struct RaceChart
{
    QString division;               // empty: the teams no division lists (the whole league without divisions)
    std::vector<ChartSeries> teams; // in the standings' order
};

// The series the season's charts are drawn from, counted over the final games the
// standings count, so that each chart's last point is the standings' figure. Games
// behind are worked out as the standings do it, against the best W - L of the division
// among its teams with a final game in the season; before its first game such a team is
// 0-0 and may lead. A game without a date counts towards the next date's point.
class PennantRace
{
public:
    static std::vector<RaceChart> gamesBehind(const SeasonFigures &figures);
    // Runs scored and allowed per team, in the standings' order.
    static std::vector<TeamRuns> runs(const SeasonFigures &figures);
    // A team's run differential (scored less allowed) after each date it played.
    static ChartSeries runDifferential(const SeasonFigures &figures, int team);
};
