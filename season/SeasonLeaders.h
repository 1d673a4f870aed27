#pragma once

#include <QDate>
#include <QString>

#include <vector>

struct SeasonFigures;

// One place on a leader board.
struct LeaderEntry
{
    int rank = 0;        // shared by players with the same shown value: 1, 2, 2, 4
    int player = -1;     // SeasonFigures::playerNames; -1 on a line of tied players
    QString name, team;  // empty on a line of tied players
    int tiedPlayers = 0; // on a line that stands for several players tied at the board's last place
    QString value;       // as shown: "31", "2.45"
    QString detail;      // for a streak: "2024-04-01 to 2024-04-19"
    int firstGame = -1;  // for a streak: its games (SeasonFigures::games)
    int lastGame = -1;
    bool current = false; // for a streak: it runs to the team's latest game
};

// The best ten of one figure.
struct LeaderBoard
{
    QString id;    // the figure's short name: "HR", "ERA", "Streak"
    QString title; // what it ranks, for a heading: "Home runs"
    std::vector<LeaderEntry> entries;
};

// The season's leaders among hitters and pitchers, worked out from the same figures as the
// tables. A board holds every player whose rank is ten or better; when the players tied at
// the last of those places would make it longer than ten lines, they share one line ("8
// players tied"). Counts leave out players with none; ERA, WHIP and K9 rank only pitchers
// with at least one inning per game their team played (every game of the kind counted),
// and are ranked by their exact value, equal as shown (two places) sharing a rank. Ties
// are listed by name.
struct SeasonLeaders
{
    static constexpr int Places = 10;

    std::vector<LeaderBoard> batting;  // H, 2B, 3B, HR, TB, XBH, RBI, SB
    std::vector<LeaderBoard> pitching; // ERA, WHIP, K9, SO, IP, CG, SHO
    // Each player's longest run of his team's games, in game order, with a hit in each: a
    // game of the team without a hit by him (or without him) ends it. A player's first such
    // run when he has two of one length.
    LeaderBoard hittingStreaks;
    LeaderBoard multiHitGames; // games with two hits or more

    static SeasonLeaders compute(const SeasonFigures &figures);
};
