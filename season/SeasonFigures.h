#pragma once

#include "season/SeasonRows.h"

#include <QString>

#include <optional>
#include <vector>

// Everything a season's window or report shows, computed afresh from the games for one
// kind of game (or all). Immutable: a new set replaces the old one when a game changes.
struct SeasonFigures
{
    QString seasonName;
    std::optional<GameType> type;            // empty: every kind of game
    std::vector<StandingRow> standings;      // by division, then PCT, W, name
    std::vector<BattingRow> batting;         // by team, then player, without regard to case
    std::vector<PitchingRow> pitching;       // by team, then player, without regard to case
    std::vector<GameRow> games;              // in game order
    std::vector<BattingLogRow> battingLog;   // in game order, away before home, in sheet order
    std::vector<PitchingLogRow> pitchingLog; // in game order, in order of appearance
    std::vector<CheckRow> checks;            // season-wide first, then by game order
    std::vector<MergeSuggestion> suggestions;
    std::vector<MergedName> merged;
    QStringList teams;                // every team the season knows, as shown, sorted without regard to case
    std::vector<QString> teamNames;   // as shown, by the logs' team numbers
    std::vector<QString> playerNames; // as shown, by the logs' player numbers
};
