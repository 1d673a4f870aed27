#pragma once

#include "season/SeasonRows.h"

#include <QString>

#include <vector>

struct SeasonFigures;

// Every game's line of one player, with the totals: the rows of the season's logs that
// are his, in game order. A row's game (SeasonFigures::games[row.game]) holds the game's
// file, to open in the scoresheet.
struct PlayerLog
{
    int player = -1;
    QString name, team;
    std::vector<BattingLogRow> batting;   // in game order
    std::vector<PitchingLogRow> pitching; // in game order
    BattingRow battingTotals;             // the season's line (games 0 when he never batted)
    PitchingRow pitchingTotals;           // the season's line (games 0 when he never pitched)

    // Empty (player -1) for a number the figures do not know.
    static PlayerLog of(const SeasonFigures &figures, int player);
};
