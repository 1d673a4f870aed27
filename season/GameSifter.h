#pragma once

#include "season/GameRecord.h"
#include "season/SeasonRows.h"

#include <memory>
#include <utility>
#include <vector>

// A season's games put in game order (date, then number, none first, then file) and sifted:
// files that were refused and copies of a game (the same fields and details, as a sync
// tool's conflicted copy makes) count no further.
struct SiftedGames
{
    std::vector<std::shared_ptr<const GameRecord>> counted; // in game order
    std::vector<CheckRow> refused;                          // by file
    // Copies (the later in game order) and games alike in teams, date and number but not in figures.
    std::vector<std::pair<const GameRecord *, QString>> problems;
};

SiftedGames siftGames(const std::vector<std::shared_ptr<const GameRecord>> &games);
