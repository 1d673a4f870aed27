#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

// The one table of the scoresheet's columns. Every field of the sheet belongs to one
// column of one side; a column is either an array of rows or a single field. Everything
// that needs to know what a field is (its object name, where the user sees it, what it
// records, what it is called in a message, an undo step or by a screen reader) asks here;
// nothing else spells a column's name or takes one apart.

// The half of the sheet: the away team at bat (the left half, letter A) or the home team (H).
enum class Side : quint8 { Away, Home };

inline constexpr std::array<Side, 2> Sides = {Side::Away, Side::Home};

inline Side otherSide(Side side)
{
    return side == Side::Away ? Side::Home : Side::Away;
}

// Where a column stands.
enum class Block : quint8 {
    Batting,   // the twelve hitters' rows
    Innings,   // the fourteen inning rows of the pitchers facing the half
    Counters,  // the caption column's four counters
    Names,     // the team's name and its copy over the other half's inning rows
    Linescore, // the linescore under the sheet
};

// Who writes a column's texts.
enum class Kind : quint8 {
    Entered,  // the user: what happened in the game
    Computed, // the sheet: totals, counters, the pull counter
    Copy,     // the sheet: a copy of another field
};

// What a column records of the game, for those who read a game rather than keep it.
enum class Record : quint8 {
    None, // bookkeeping of the sheet's own
    Hitter,
    Hits,
    RunsBattedIn,
    Doubles,
    Triples,
    HomeRuns,
    StolenBases,
    Pitcher,
    Runs,
    EarnedRuns,
    HitsAllowed,
    Strikeouts,
    Walks,
    PullCount,
    Team,
};

// Every column, in the order of the table (and of Scoresheet::fields() within a side):
// the arrays first, then the single fields.
enum class ColumnId : quint8 {
    Hitter,
    Hit,
    RBI,
    Doubles,
    Triples,
    HomeRuns,
    Steals,
    Pitcher,
    R,
    ER,
    HitP,
    K,
    BB,
    Pull,
    Inn,
    NeedHRBI,
    NeedH,
    Runs,
    Hits,
    Team,
    Team2,
    Team3,
    Runs2,
    Hits2,
};

inline constexpr int ColumnCount = int(ColumnId::Hits2) + 1;

// Who may put text into a field.
enum class Entry : quint8 {
    Typed,  // the user types into it
    Locked, // only the sheet's own bookkeeping writes it
    Hidden, // never shown; holds a column's total behind the scenes
};

struct SheetColumn
{
    static constexpr qint16 BattingRows = 12;
    static constexpr qint16 InningRows = 14;

    ColumnId id;
    const char *stem; // the object name before the side's letter ("txtHit")
    const char *copy; // after the side's letter: "2" for the first copy of a field, "" for the field itself
    bool array;
    qint16 first; // array indexes; an element 0 is the column's hidden total
    qint16 last;
    Block block;
    Kind kind;
    bool typed; // the user may type into it (the pull counter too, though the sheet computes it)
    Record record;
    const char16_t *initialText;
    const char *caption; // in messages, after "away team's": "batting H column"
    const char *label;   // short, in the Edit menu: "H"
    const char *spoken;  // for a screen reader: "H" (in "Away batting, row 3, H")

    // "txtHitA", "txtTeamH2": the name of the array or single field on a side.
    QString name(Side side) const;
    // "txtHitA_7" for an array element, "txtTeamA" for a single field.
    QString objectName(Side side, int index) const;
    bool contains(int index) const { return array ? index >= first && index <= last : index == 0; }
    Entry entry(int index) const;
    // The row in which the user sees element index: the index itself, except for the
    // away half's batting H column, whose fifth to seventh rows hold elements 7, 5 and 6.
    int row(Side side, int index) const;
    // The element that stands in row; the inverse of row().
    int element(Side side, int row) const;
    // The column's place from the left within its block (0 for the names column).
    int place() const;
    // Whether the user types numbers into it: a count of the game.
    bool holdsNumbers() const
    {
        return typed && record != Record::None && record != Record::Hitter && record != Record::Pitcher
               && record != Record::Team;
    }
};

const std::array<SheetColumn, ColumnCount> &sheetColumns();
const SheetColumn &sheetColumn(ColumnId id);

// Where an object name ("txtHitA_7", "txtTeamH") stands on the sheet; nothing for a name
// the sheet does not have.
struct FieldAddress
{
    const SheetColumn *column;
    Side side;
    int index;
};
std::optional<FieldAddress> findField(QStringView objectName);

// The side as the user reads it ("Away", "Home") and in messages ("away", "home").
QString sideName(Side side);
QString sideWord(Side side);

// "Away H, row 3", "Home team name": a field as the user knows it, for the Edit menu.
QString describeField(const SheetColumn &column, Side side, int index);
// "Away batting, row 3, H", "Home inning 7, pitcher", "Away NEED H": a field's accessible
// name, what a screen reader says for it; unique on the sheet.
QString spokenFieldName(const SheetColumn &column, Side side, int index);
