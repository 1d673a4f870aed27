#pragma once

#include "scoresheet/GameDetails.h"
#include "scoresheet/SheetColumns.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <utility>
#include <vector>

struct OpenedGame;

// How a game ended as far as the sheet tells: not yet (or not known), or who won.
enum class GameResult : quint8 { None, Away, Home, Tie };

// One hitter's row of a half, as the user sees it (the away H column's swapped cells read
// in the row where they stand).
struct BattingLine
{
    int row = 0;
    QString name; // clean, as written; empty for numbers without a hitter
    QString key;  // nameKey(name)
    int hits = 0, rbi = 0, doubles = 0, triples = 0, homeRuns = 0, steals = 0;
};

// One inning row of a half: the line of the pitcher facing it.
struct InningLine
{
    bool pitched = false; // any of R, ER, H, K, BB written
    int runs = 0, earned = 0, hits = 0, strikeouts = 0, walks = 0;
    int pitcher = -1; // index into HalfRecord::pitchers; -1 when no name stands at or above
};

// A pitcher's line of one game: the pitched rows under his name, added up.
struct PitcherLine
{
    QString name; // clean, as written where he first appears
    QString key;
    bool started = false; // pitched the half's first pitched row
    int innings = 0;      // pitched rows: the sheet records whole innings
    int hits = 0, runs = 0, earned = 0, walks = 0, strikeouts = 0;
};

// One team at bat and the pitchers facing it.
struct HalfRecord
{
    QString team; // clean, as written
    QString teamKey;
    std::array<InningLine, SheetColumn::InningRows + 1> innings{}; // by row, 1..14
    std::vector<BattingLine> batting;                              // counted rows, in sheet order
    std::vector<PitcherLine> pitchers;                             // in order of appearance
    int runs = 0;                                                  // the R column: the team's runs
    int hits = 0;                                                  // the inning H column: the team's hits
    int battingHits = 0;                                           // the batting H column
    int rbi = 0;                                                   // the RBI column
    int pitchedRows = 0;                                           // innings this team batted
    int unnamedRows = 0;                                           // pitched rows with no pitcher's name at or above
    bool completeGame() const { return pitchers.size() == 1 && unnamedRows == 0; }
};

// A problem found in one game, where the user finds it on the sheet ("Away batting, row 3";
// empty for the whole game).
struct RecordProblem
{
    QString row;
    QString problem;
};

// What a season keeps of one game file: every entered figure by row and inning, as a box
// score needs it, the details, the derived result, and what was wrong with it. Immutable
// once read; shared between the reading threads and whoever shows it.
struct GameRecord
{
    QString file;    // path within the season folder, with "/"
    QString refusal; // the loader's sentence for a file that could not be read; nothing else is set then
    QDateTime saved;
    GameDetails details;
    QDate date; // the details' date, else the date as written in "saved"
    GameType type = GameType::Regular;
    bool final = false;
    bool finalInferred = false; // no "final" in the details: decided from the sheet
    GameResult result = GameResult::None;
    std::array<HalfRecord, 2> halves;          // by Side: the away team at bat, then the home team
    std::pair<quint64, quint64> fingerprint{}; // of every field's text and the details: equal for copies
    std::vector<RecordProblem> problems;

    bool refused() const { return !refusal.isEmpty(); }
    const HalfRecord &half(Side side) const { return halves[std::size_t(side)]; }

    // Reads an opened game's sheet the way the sheet counts: each field's text on its own.
    static GameRecord read(const OpenedGame &game, const QString &file);
    static GameRecord refusedFile(const QString &file, const QString &refusal);
};
