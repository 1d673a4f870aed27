#pragma once

// Reads a season folder the way the book and the command line do, at once, on this thread's call.

#include "season/SeasonCalculator.h"
#include "season/SeasonReader.h"

inline SeasonFigures readSeason(const QString &folder, std::optional<GameType> type = GameType::Regular,
                                SeasonState *read = nullptr)
{
    SeasonState start;
    start.folder = folder;
    const SeasonState state = SeasonState::update(start);
    if (read)
        *read = state;
    return SeasonCalculator::compute(state.records(), state.config, state.configProblem, type);
}

// The row of a player in a table of the season (batting, pitching), or null.
template <typename Row> const Row *findPlayer(const std::vector<Row> &rows, const QString &player)
{
    for (const Row &row : rows)
        if (row.player == player)
            return &row;
    return nullptr;
}
