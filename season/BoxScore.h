#pragma once

#include "season/GameRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct SeasonFigures;

// One game as a box score: the linescore, each team's hitters and pitchers and the game's
// details, taken from the game's sheet as the season reads it. Plain values, for a window,
// a page on paper, the season report and a text to paste into a message.
struct BoxScore
{
    struct Hitter
    {
        QString name; // empty for a row of numbers without a hitter's name
        int hits = 0, rbi = 0, doubles = 0, triples = 0, homeRuns = 0, steals = 0;
    };
    struct Pitcher
    {
        QString name;
        QString decision; // "W", "L", "S" or empty
        int innings = 0;  // whole innings: the sheet records no outs
        int hits = 0, runs = 0, earned = 0, walks = 0, strikeouts = 0;
    };
    struct Team
    {
        QString name;
        QStringList innings; // the linescore's cells: runs, "x" for a home half not needed, "" not played
        int runs = 0, hits = 0;
        std::vector<Hitter> hitters; // in sheet order, a row each
        Hitter totals;
        std::vector<Pitcher> pitchers; // the team's own, in order of appearance
        // "2B: Ito (1); HR: Jay (2)": the extra-base hits and steals of the game by player,
        // in sheet order, each with its count in this game; empty when there were none.
        QString notes;
    };

    QString file;
    QDate date; // invalid when the sheet gives none
    std::optional<int> number;
    GameType type = GameType::Regular;
    bool final = false;
    GameResult result = GameResult::None;
    QString notes;             // the game's own note
    std::array<Team, 2> teams; // by Side: the visitors, then the home team
    int innings = 9;           // the linescore's columns: nine, or the last inning either team batted

    const Team &team(Side side) const { return teams[std::size_t(side)]; }

    // Names as written on the sheet: a game that belongs to no season.
    static BoxScore fromRecord(const GameRecord &record);
    // Names as the season shows them (season.json's spellings, the most frequent one).
    static BoxScore fromSeason(const SeasonFigures &figures, std::size_t game);

    // "Owls 3, Bats 1".
    QString headline() const;
    // "2024-04-01, game 2, regular season, final": what the details tell of the game.
    QString details() const;

    // The box score as plain text in aligned columns, for a monospaced font, every line
    // ending in "\n":
    //   headline
    //   details
    //   (blank)
    //   the linescore: a header of inning numbers, R and H, then the visitors and the home team
    //   (blank)
    //   for each team: its name over H RBI 2B 3B HR SB, a row a hitter, "Totals", then its
    //   notes when it has any, and a blank line
    //   for each team: "<team> pitching" over IP H R ER BB SO, a row a pitcher with "(W)",
    //   "(L)" or "(S)" after the name, and a blank line
    //   "Notes: <the game's note>" when it has one
    // Names longer than 30 characters are cut with "…"; right-to-left names are isolated.
    QString toText() const;
};
