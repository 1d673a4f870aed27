#pragma once

#include "season/SeasonConfig.h"
#include "season/SeasonFigures.h"

#include <memory>
#include <vector>

// Turns a season's games into its figures, by the one set of counting rules the window,
// the export and the tests share. Pure: the same games give the same figures.
class SeasonCalculator
{
public:
    using Games = std::vector<std::shared_ptr<const GameRecord>>;

    // games in any order, refused files included (they become checks); configProblem is
    // the sentence season.json was refused with, if it was; type empty for every kind.
    static SeasonFigures compute(const Games &games, const SeasonConfig &config, const QString &configProblem,
                                 std::optional<GameType> type);
};
