#pragma once

#include "season/SeasonRows.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct SeasonFigures;

// One game on a team's page.
struct TeamResult
{
    int game = -1; // SeasonFigures::games
    QDate date;
    std::optional<int> number;
    QString opponent;
    bool home = false;
    int runsFor = 0, runsAgainst = 0;
    bool final = false;
    QString outcome; // "W", "L" or "T" for a final game the standings count, else empty
    QString streak;  // after this game, over the final games so far: "W3"; empty before the first
};

// A team's record against one opponent.
struct OpponentRecord
{
    QString opponent;
    int wins = 0, losses = 0, ties = 0;
    qint64 runsFor = 0, runsAgainst = 0;
};

// What a team's page shows: its games in order, its hitters' and pitchers' lines, its runs
// by inning and its record against each opponent. Every game of the kind counted is
// listed; the outcomes, the streak, the runs by inning and the records count the final
// games the standings count, so that they add up to the standings' figures.
struct TeamSeason
{
    int team = -1; // SeasonFigures::teamNames
    QString name;
    QString division;
    std::vector<TeamResult> results;
    std::vector<BattingRow> hitters;   // as SeasonFigures::batting orders them
    std::vector<PitchingRow> pitchers; // as SeasonFigures::pitching orders them
    // Runs by inning (1 to 14; 0 is unused) scored and allowed.
    std::vector<qint64> runsFor, runsAgainst;
    int innings = 9;                       // the innings worth showing: nine, or the last with a run or a game batted
    std::vector<OpponentRecord> opponents; // by name, without regard to case
    int wins = 0, losses = 0, ties = 0;

    // Empty (team -1) for a team the figures do not know.
    static TeamSeason of(const SeasonFigures &figures, int team);
    // The team's number for a name as the season shows it; -1 when there is none.
    static int find(const SeasonFigures &figures, const QString &name);
};
