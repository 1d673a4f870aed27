#pragma once

#include "season/SeasonConfig.h"
#include "season/SeasonFigures.h"

#include <memory>
#include <vector>

// Turns a season's games into its figures, by the one set of counting rules the window,
// the export and the tests share. The same games give the same figures. A calculator kept
// from one reading of a season to the next remembers who each game's names stand for, so
// that a season read again after one change costs little more than that game.
class SeasonCalculator
{
public:
    using Games = std::vector<std::shared_ptr<const GameRecord>>;

    explicit SeasonCalculator(const SeasonConfig &config);
    ~SeasonCalculator();
    SeasonCalculator(const SeasonCalculator &) = delete;
    SeasonCalculator &operator=(const SeasonCalculator &) = delete;

    // The season.json it counts with; another one needs another calculator.
    const SeasonConfig &config() const;

    // games in any order, refused files included (they become checks); configProblem is
    // the sentence season.json was refused with, if it was; type empty for every kind.
    SeasonFigures recompute(const Games &games, const QString &configProblem, std::optional<GameType> type);

    // The same, once.
    static SeasonFigures compute(const Games &games, const SeasonConfig &config, const QString &configProblem,
                                 std::optional<GameType> type);

private:
    struct Memory;
    std::unique_ptr<Memory> m_memory;
};
