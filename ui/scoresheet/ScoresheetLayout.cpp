#include "ui/scoresheet/ScoresheetLayout.h"

#include "scoresheet/SheetColumns.h"

#include <array>
#include <span>

namespace {
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;

// The batting and pitching blocks stand in the same seven columns, the away half's on
// the left and the home half's on the right.
struct Column
{
    int leftAway;
    int leftHome;
    int width;
    Qt::Alignment alignment;
};

const std::array<Column, 7> Columns = {{
    {830, 6210, 1760, Left},
    {2600, 7980, 460, Centre},
    {3070, 8460, 480, Centre},
    {3570, 8960, 470, Centre},
    {4050, 9440, 470, Centre},
    {4530, 9920, 480, Centre},
    {5030, 10410, 470, Centre},
}};

constexpr int RowHeight = 240;

const std::array<int, 12> BattingTops = {550, 810, 1070, 1320, 1570, 1830, 2090, 2340, 2590, 2850, 3110, 3350};
const std::array<int, 14> PitchingTops = {4110, 4360, 4600, 4860, 5110, 5370, 5630,
                                          5880, 6130, 6390, 6640, 6900, 7160, 7410};

// A block's array names, column by column, without the A or H that names the half.
struct Block
{
    const char *name;
    std::array<const char *, 7> columns;
    std::span<const int> tops; // of rows 1, 2, ...
};

const std::array<Block, 2> Blocks = {{
    {"batting", {"txtHitter", "txtHit", "txtRBI", "txt2b", "txt3b", "txtHR", "txtSB"}, BattingTops},
    {"pitching", {"txtPitcher", "txtR", "txtER", "txtHitP", "txtK", "txtBB", "txtPull"}, PitchingTops},
}};

// The linescore's inning cells: one row a half, a cell every 480 twips.
constexpr int InningLeft = 2050;
constexpr int InningStep = 480;
constexpr int InningWidth = 465;
constexpr int InningTopAway = 520;
constexpr int InningTopHome = 800;
constexpr int InningHeight = 250;
constexpr int Innings = 14;

// Where the rules above do not hold. An exception names a field and its element, a
// name without its half's letter for both halves, or a block and a row of all its columns.
struct Exception
{
    enum Kind { Height, Width };

    const char *name;
    int index;
    Kind kind;
    int value;
};

// The rows of the away hits column's three swapped cells are the sheet's own fact (sheetRow).
const std::array<Exception, 4> Exceptions = {{
    // A row of each block, and some inning cells, are a little smaller than the rest.
    {"batting", 11, Exception::Height, 230},
    {"pitching", 2, Exception::Height, 230},
    {"txtInn", 14, Exception::Width, 450},
    {"txtInnA", 7, Exception::Width, 460},
}};

// The exception's value for the first of the names it matches, or the rule's value.
int except(Exception::Kind kind, std::initializer_list<QAnyStringView> names, int index, int rule)
{
    for (const Exception &e : Exceptions)
        for (QAnyStringView name : names)
            if (e.kind == kind && e.index == index && name == QLatin1String(e.name))
                return e.value;
    return rule;
}

struct Single
{
    const char *name;
    FieldPlacement placement;
};

const QColor Red(255, 0, 0);

FieldPlacement sheet(TwipRect r, double points = 8.25, bool bold = false, QColor colour = Qt::black)
{
    return {FieldPlacement::Panel::Sheet, r, Centre, points, bold, colour};
}

FieldPlacement linescore(TwipRect r, Qt::Alignment alignment = Centre)
{
    return {FieldPlacement::Panel::Linescore, r, alignment, 9.75, false, Qt::black};
}

const std::array<Single, 18> Singles = {{
    {"txtTeamA", sheet({830, 160, 1760, 285})},
    {"txtTeamH", sheet({6210, 160, 1760, 285})},
    {"txtTeamH2", sheet({830, 3810, 1760, 285})},
    {"txtTeamA2", sheet({6210, 3810, 1760, 285})},
    {"txtNeedHRBIA", sheet({120, 600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHRBIH", sheet({5510, 600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHA", sheet({120, 1600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHH", sheet({5510, 1600, 690, 240}, 9.75, false, Red)},
    {"txtRunsA", sheet({120, 2590, 690, 240}, 9.75, true, Red)},
    {"txtRunsH", sheet({5510, 2590, 690, 240}, 9.75, true, Red)},
    {"txtHitsA", sheet({120, 3350, 690, 240}, 9.75)},
    {"txtHitsH", sheet({5505, 3350, 690, 240}, 9.75)},
    {"txtTeamA3", linescore({130, 520, 1900, 250}, Left)},
    {"txtTeamH3", linescore({130, 800, 1900, 250}, Left)},
    {"txtRunsA2", linescore({8770, 520, 460, 250})},
    {"txtRunsH2", linescore({8770, 800, 460, 250})},
    {"txtHitsA2", linescore({9250, 520, 460, 250})},
    {"txtHitsH2", linescore({9250, 800, 460, 250})},
}};

std::optional<FieldPlacement> gridPlacement(QStringView stem, bool away, QStringView name, int index)
{
    for (const Block &block : Blocks) {
        for (std::size_t c = 0; c < Columns.size(); ++c) {
            if (stem != QLatin1String(block.columns[c]))
                continue;
            if (index < 1 || index > int(block.tops.size()))
                return std::nullopt;
            const QLatin1String blockName(block.name);
            const std::optional<FieldAddress> address = findField(QStringLiteral("%1_%2").arg(name).arg(index));
            const int row = address ? address->column->row(address->side, index) : index;
            const int height = except(Exception::Height, {blockName}, row, RowHeight);
            const Column &column = Columns[c];
            FieldPlacement p;
            p.rect = {away ? column.leftAway : column.leftHome, block.tops[std::size_t(row - 1)], column.width, height};
            p.alignment = column.alignment;
            return p;
        }
    }
    return std::nullopt;
}

std::optional<FieldPlacement> inningCellPlacement(QStringView stem, bool away, QStringView name, int index)
{
    if (stem != u"txtInn" || index < 1 || index > Innings)
        return std::nullopt;
    const int width = except(Exception::Width, {name, stem}, index, InningWidth);
    const int left = InningLeft + InningStep * (index - 1);
    return linescore({left, away ? InningTopAway : InningTopHome, width, InningHeight});
}

// One run of the tab order: the named controls, or their elements first to last (down
// when first > last), one name's elements after another, or row by row when across.
struct TabRun
{
    const char *names; // separated by spaces
    int first = 0;     // 0: the names are single controls
    int last = 0;
    bool across = false;
};

const std::array<TabRun, 13> TabOrder = {{
    {"txtTeamA txtTeamH txtRunsA txtRunsH txtHitsA txtHitsH"},
    {"txtHitterA txtHitterH", 1, 12},
    {"txtPitcherA txtPitcherH", 1, 14},
    // The away hits column is visited from its second cell, the first after the third.
    {"txtHitA", 2, 3},
    {"txtHitA", 1, 1},
    {"txtHitA", 4, 12},
    {"txtHitH", 1, 12},
    {"txtRA txtERA txtHitPA txtKA txtBBA txtPullA", 1, 14, true},
    {"txtRH txtERH txtHitPH txtKH txtBBH txtPullH", 1, 14, true},
    {"txtRBIA txtRBIH txt2bA txt2bH txt3bA txt3bH txtHRA txtHRH txtSBA txtSBH", 1, 12},
    {"txtNeedHRBIA txtNeedHRBIH txtNeedHA txtNeedHH txtTeamH2 txtTeamA2 txtHitsH2 txtHitsA2 txtRunsH2 txtRunsA2"},
    {"txtInnH txtInnA", 14, 1},
    {"txtTeamH3 txtTeamA3 cmdRoll cmdLinescore cmdViewRolls"},
}};

QStringList tabOrder()
{
    QStringList order;
    for (const TabRun &run : TabOrder) {
        const QStringList names = QString::fromLatin1(run.names).split(u' ');
        if (run.first == 0) {
            order << names;
            continue;
        }
        const int step = run.first <= run.last ? 1 : -1;
        QList<int> indexes;
        for (int i = run.first; i != run.last + step; i += step)
            indexes << i;
        const auto element = [&](const QString &name, int i) { order << QStringLiteral("%1_%2").arg(name).arg(i); };
        if (run.across) {
            for (int i : indexes)
                for (const QString &name : names)
                    element(name, i);
        } else {
            for (const QString &name : names)
                for (int i : indexes)
                    element(name, i);
        }
    }
    return order;
}
} // namespace

std::optional<FieldPlacement> scoresheetFieldPlacement(QStringView name, int index)
{
    // Array names end in the half's letter: the stem is the column, the letter the half.
    if (name.endsWith(u'A') || name.endsWith(u'H')) {
        const QStringView stem = name.chopped(1);
        const bool away = name.endsWith(u'A');
        if (auto p = gridPlacement(stem, away, name, index))
            return p;
        if (auto p = inningCellPlacement(stem, away, name, index))
            return p;
    }
    for (const Single &s : Singles)
        if (name == QLatin1String(s.name))
            return s.placement;
    return std::nullopt;
}

const QStringList &scoresheetTabOrder()
{
    static const QStringList order = tabOrder();
    return order;
}
