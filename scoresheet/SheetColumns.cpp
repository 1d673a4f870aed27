#include "scoresheet/SheetColumns.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

constexpr qint16 B = SheetColumn::BattingRows;
constexpr qint16 I = SheetColumn::InningRows;
constexpr bool Array = true;
constexpr bool Single = false;
constexpr bool Typed = true;
constexpr bool Locked = false;

using C = ColumnId;
using K = Kind;
using R = Record;

// clang-format off
constexpr std::array<SheetColumn, ColumnCount> Columns = {{
    // id          stem           copy array   first last block             kind         typed   record             initial caption                    label          spoken
    {C::Hitter,   "txtHitter",   "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::Hitter,       u"", "batting hitter column", "hitter",    "hitter"},
    {C::Hit,      "txtHit",      "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::Hits,         u"", "batting H column",      "H",         "H"},
    {C::RBI,      "txtRBI",      "", Array,  0, B, Block::Batting,   K::Entered,  Typed,  R::RunsBattedIn, u"", "RBI column",            "RBI",       "RBI"},
    {C::Doubles,  "txt2b",       "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::Doubles,      u"", "2B column",             "2B",        "2B"},
    {C::Triples,  "txt3b",       "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::Triples,      u"", "3B column",             "3B",        "3B"},
    {C::HomeRuns, "txtHR",       "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::HomeRuns,     u"", "HR column",             "HR",        "HR"},
    {C::Steals,   "txtSB",       "", Array,  1, B, Block::Batting,   K::Entered,  Typed,  R::StolenBases,  u"", "SB column",             "SB",        "SB"},
    {C::Pitcher,  "txtPitcher",  "", Array,  1, I, Block::Innings,   K::Entered,  Typed,  R::Pitcher,      u"", "pitcher column",        "pitcher",   "pitcher"},
    {C::R,        "txtR",        "", Array,  1, I, Block::Innings,   K::Entered,  Typed,  R::Runs,         u"", "inning R column",       "inning R",  "R"},
    {C::ER,       "txtER",       "", Array,  1, I, Block::Innings,   K::Entered,  Typed,  R::EarnedRuns,   u"", "inning ER column",      "inning ER", "ER"},
    {C::HitP,     "txtHitP",     "", Array,  0, I, Block::Innings,   K::Entered,  Typed,  R::HitsAllowed,  u"", "inning H column",       "inning H",  "H"},
    {C::K,        "txtK",        "", Array,  1, I, Block::Innings,   K::Entered,  Typed,  R::Strikeouts,   u"", "inning K column",       "inning K",  "K"},
    {C::BB,       "txtBB",       "", Array,  1, I, Block::Innings,   K::Entered,  Typed,  R::Walks,        u"", "inning BB column",      "inning BB", "BB"},
    {C::Pull,     "txtPull",     "", Array,  1, I, Block::Innings,   K::Computed, Typed,  R::PullCount,    u"", "pull counter column",   "inning *",  "pitcher load *"},
    {C::Inn,      "txtInn",      "", Array,  1, I, Block::Linescore, K::Copy,     Locked, R::None,         u"", "linescore inning cells", "linescore inning", "linescore, inning %1 runs"},
    {C::NeedHRBI, "txtNeedHRBI", "", Single, 0, 0, Block::Counters,  K::Computed, Locked, R::None,         u"0", "NEED H+RBI",           "NEED H+RBI", "NEED H+RBI"},
    {C::NeedH,    "txtNeedH",    "", Single, 0, 0, Block::Counters,  K::Computed, Locked, R::None,         u"0", "NEED H",               "NEED H",    "NEED H"},
    {C::Runs,     "txtRuns",     "", Single, 0, 0, Block::Counters,  K::Computed, Locked, R::None,         u"0", "RUNS",                 "RUNS",      "RUNS"},
    {C::Hits,     "txtHits",     "", Single, 0, 0, Block::Counters,  K::Computed, Locked, R::None,         u"0", "HITS",                 "HITS",      "HITS"},
    {C::Team,     "txtTeam",     "", Single, 0, 0, Block::Names,     K::Entered,  Typed,  R::Team,         u"", "team name",             "team name", "team name"},
    {C::Team2,    "txtTeam",    "2", Single, 0, 0, Block::Names,     K::Copy,     Locked, R::None,         u"", "team name above the other half's innings", "team name copy", "team name above the other half's innings"},
    {C::Team3,    "txtTeam",    "3", Single, 0, 0, Block::Linescore, K::Copy,     Locked, R::None,         u"", "linescore team name",   "linescore team name", "linescore team name"},
    {C::Runs2,    "txtRuns",    "2", Single, 0, 0, Block::Linescore, K::Copy,     Locked, R::None,         u"0", "linescore R",          "linescore R", "linescore R"},
    {C::Hits2,    "txtHits",    "2", Single, 0, 0, Block::Linescore, K::Copy,     Locked, R::None,         u"0", "linescore H",          "linescore H", "linescore H"},
}};
// clang-format on

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < Columns.size(); ++i)
        if (Columns[i].id != ColumnId(i))
            return false;
    return true;
}
static_assert(inIdOrder(), "one entry for every column, in the order of ColumnId");

// The away batting H column's cells were laid out with three of them swapped.
struct Swapped
{
    int element;
    int row;
};
constexpr std::array<Swapped, 3> AwayHitRows = {{{7, 5}, {5, 6}, {6, 7}}};

QChar letter(Side side)
{
    return side == Side::Away ? u'A' : u'H';
}

QString tr(const char *text)
{
    return QCoreApplication::translate("SheetColumns", text);
}

} // namespace

const std::array<SheetColumn, ColumnCount> &sheetColumns()
{
    return Columns;
}

const SheetColumn &sheetColumn(ColumnId id)
{
    return Columns[std::size_t(id)];
}

QString SheetColumn::name(Side side) const
{
    return QLatin1StringView(stem) + letter(side) + QLatin1StringView(copy);
}

QString SheetColumn::objectName(Side side, int index) const
{
    if (!array)
        return name(side);
    return name(side) + u'_' + QString::number(index);
}

Entry SheetColumn::entry(int index) const
{
    if (array && index == 0)
        return Entry::Hidden;
    return typed ? Entry::Typed : Entry::Locked;
}

int SheetColumn::row(Side side, int index) const
{
    if (id == ColumnId::Hit && side == Side::Away)
        for (const Swapped &s : AwayHitRows)
            if (s.element == index)
                return s.row;
    return index;
}

int SheetColumn::element(Side side, int row) const
{
    if (id == ColumnId::Hit && side == Side::Away)
        for (const Swapped &s : AwayHitRows)
            if (s.row == row)
                return s.element;
    return row;
}

int SheetColumn::place() const
{
    switch (block) {
    case Block::Batting:
        return int(id) - int(ColumnId::Hitter);
    case Block::Innings:
        return int(id) - int(ColumnId::Pitcher);
    default:
        return 0;
    }
}

namespace {
struct NamedColumn
{
    QString name;
    const SheetColumn *column;
    Side side;
};

// Every array and single field by name, sorted: a game file names a few hundred fields,
// and a season reads thousands of games.
const std::vector<NamedColumn> &columnsByName()
{
    static const std::vector<NamedColumn> byName = [] {
        std::vector<NamedColumn> names;
        for (const SheetColumn &column : Columns)
            for (Side side : Sides)
                names.push_back({column.name(side), &column, side});
        std::sort(names.begin(), names.end(),
                  [](const NamedColumn &a, const NamedColumn &b) { return a.name < b.name; });
        return names;
    }();
    return byName;
}
} // namespace

std::optional<FieldAddress> findField(QStringView objectName)
{
    // An array element is its array's name, an underscore and the index in plain digits.
    QStringView name = objectName;
    int index = 0;
    bool element = false;
    const qsizetype underscore = objectName.lastIndexOf(u'_');
    if (underscore > 0) {
        const QStringView digits = objectName.mid(underscore + 1);
        if (digits.isEmpty() || digits.size() > 2 || (digits.size() > 1 && digits.front() == u'0')
            || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        index = digits.toInt();
        name = objectName.left(underscore);
        element = true;
    }
    const std::vector<NamedColumn> &names = columnsByName();
    const auto it = std::lower_bound(names.begin(), names.end(), name,
                                     [](const NamedColumn &entry, QStringView key) { return entry.name < key; });
    if (it == names.end() || it->name != name || it->column->array != element || !it->column->contains(index))
        return std::nullopt;
    return FieldAddress{it->column, it->side, index};
}

QString sideName(Side side)
{
    return side == Side::Away ? tr("Away") : tr("Home");
}

QString sideWord(Side side)
{
    return side == Side::Away ? QStringLiteral("away") : QStringLiteral("home");
}

QString describeField(const SheetColumn &column, Side side, int index)
{
    const QString label = tr(column.label);
    if (!column.array)
        return tr("%1 %2").arg(sideName(side), label);
    return tr("%1 %2, row %3").arg(sideName(side), label).arg(column.row(side, index));
}

QString spokenFieldName(const SheetColumn &column, Side side, int index)
{
    const QString words = tr(column.spoken);
    const int row = column.row(side, index);
    switch (column.block) {
    case Block::Batting:
        return tr("%1 batting, row %2, %3").arg(sideName(side)).arg(row).arg(words);
    case Block::Innings:
        return tr("%1 inning %2, %3").arg(sideName(side)).arg(row).arg(words);
    default:
        break;
    }
    if (column.array)
        return tr("%1 %2").arg(sideName(side), words.arg(row));
    return tr("%1 %2").arg(sideName(side), words);
}
