#pragma once

#include "season/GameRecord.h"
#include "season/SeasonRows.h"

#include <QString>

#include <array>
#include <vector>

class SeasonNames;

// The standings of a season: the final games of the kind counted, added up per team in
// game order, then ranked per division.
class StandingsTable
{
public:
    explicit StandingsTable(int teams);

    // One final game; teams are the away and home teams' numbers (SeasonNames).
    void addFinalGame(const GameRecord &game, const std::array<int, 2> &teams);

    // Every team the season knows, named divisions first (in the order of their names),
    // then the teams no division lists; within a division by PCT, then W (both descending),
    // then name. Games behind are counted against the best W - L of the division among the
    // teams with a final game.
    std::vector<StandingRow> rows(const SeasonNames &names) const;

private:
    struct Tally
    {
        StandingRow row;
        QString results; // 'W', 'L', 'T' per final game, in game order
    };

    std::vector<Tally> m_tallies; // by team
};
