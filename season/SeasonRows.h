#pragma once

#include "season/GameRecord.h"

#include <QDate>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The rows of a season's tables: plain values, ready for a table model to show, sort and
// filter (by team and, through the book's game type, by kind of game). Rates are kept as
// their integer parts too, so that a report rounds them exactly.

struct StandingRow
{
    QString division; // empty for the teams no division lists
    QString team;
    int games = 0, wins = 0, losses = 0, ties = 0;
    double pct = 0;         // W / (W + L), 0 without either
    double gamesBehind = 0; // against the team with the best W - L in the division
    int homeWins = 0, homeLosses = 0, roadWins = 0, roadLosses = 0;
    int lastTenWins = 0, lastTenLosses = 0;
    QString streak; // "W3", "L1", "T1"; empty before the first final game
    qint64 runsScored = 0, runsAllowed = 0;
    qint64 difference() const { return runsScored - runsAllowed; }
    int pythagoreanWins = 0, pythagoreanLosses = 0;
};

struct BattingRow
{
    int id = -1; // the player's number: SeasonFigures::playerNames, the logs' player
    QString player;
    QString team;
    int games = 0;
    qint64 hits = 0, doubles = 0, triples = 0, homeRuns = 0, rbi = 0, steals = 0;
    qint64 singles() const { return hits - doubles - triples - homeRuns; }
    qint64 totalBases() const { return hits + doubles + 2 * triples + 3 * homeRuns; }
    qint64 extraBaseHits() const { return doubles + triples + homeRuns; }
};

struct PitchingRow
{
    int id = -1; // the player's number: SeasonFigures::playerNames, the logs' player
    QString player;
    QString team;
    int games = 0, starts = 0, completeGames = 0, shutouts = 0;
    int wins = 0, losses = 0, saves = 0;
    qint64 innings = 0; // whole innings: the sheet records no outs
    qint64 hits = 0, runs = 0, earned = 0, walks = 0, strikeouts = 0;
    qint64 outs() const { return 3 * innings; }
    // Empty without an inning pitched.
    std::optional<double> era() const { return rate(9 * earned); }
    std::optional<double> whip() const { return rate(hits + walks); }
    std::optional<double> strikeoutsPerNine() const { return rate(9 * strikeouts); }

private:
    std::optional<double> rate(qint64 amount) const
    {
        return innings > 0 ? std::optional<double>(double(amount) / double(innings)) : std::nullopt;
    }
};

// Who a game's teams and lines stand for: numbers into SeasonFigures::teamNames and
// SeasonFigures::playerNames, so that a box score shows the names as the season does.
struct GamePlayers
{
    static constexpr int NoDecision = -1;    // the details give no such decision
    static constexpr int NoSuchPitcher = -2; // they name a pitcher who did not pitch for that team

    std::array<int, 2> teams{-1, -1};         // by Side; -1 for a blank name
    std::array<std::vector<int>, 2> batters;  // by Side, then the half's batting lines; -1 without a name
    std::array<std::vector<int>, 2> pitchers; // by Side, then the half's pitchers (of the other side's team)
    std::array<int, 3> decisions{NoDecision, NoDecision, NoDecision}; // the win, the loss and the save
};

struct GameRow
{
    std::shared_ptr<const GameRecord> record;   // every figure of the game, for a box score
    std::shared_ptr<const GamePlayers> players; // never null in a season's figures
    QString file;
    QDate date;
    std::optional<int> number;
    GameType type = GameType::Regular;
    bool final = false;
    QString away, home; // as the season shows the teams
    int awayRuns = 0, homeRuns = 0, awayHits = 0, homeHits = 0, awayInnings = 0, homeInnings = 0;
    GameResult result = GameResult::None;
};

// A player's line of one game. The game is an index into SeasonFigures::games, the player
// into SeasonFigures::playerNames, the teams into SeasonFigures::teamNames: a season has
// tens of thousands of these.
struct BattingLogRow
{
    int game = -1;
    int player = -1, team = -1, opponent = -1;
    bool home = false;
    int hits = 0, doubles = 0, triples = 0, homeRuns = 0, rbi = 0, steals = 0;
};

struct PitchingLogRow
{
    int game = -1;
    int player = -1, team = -1, opponent = -1;
    bool home = false;
    bool started = false;
    int outs = 0, hits = 0, runs = 0, earned = 0, walks = 0, strikeouts = 0;
};

struct CheckRow
{
    QString file; // within the season folder; empty for the season as a whole
    QString row;  // where on the sheet; empty for the whole game
    QString problem;
};

// Two spellings on one team that may be one player: accepting it makes other a
// variant of name in season.json.
struct MergeSuggestion
{
    QString team;
    QString name;  // the spelling kept (the more frequent one)
    QString other; // the spelling that would become a variant of name
    bool operator==(const MergeSuggestion &) const = default;
};

// A variant season.json maps onto a canonical name; splitting it removes the alias.
struct MergedName
{
    QString team;
    QString variant;
    QString canonical;
    bool operator==(const MergedName &) const = default;
};
