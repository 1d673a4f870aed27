#include "ui/scoresheet/ScoresheetLayout.h"

#include "ui/art/SheetGrid.h"

namespace G = SheetGrid;
using C = ColumnId;

namespace {
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;
const QColor Red(255, 0, 0);

static_assert(G::SheetPicture.left == ScoresheetGeometry::SheetPicture.left
                  && G::SheetPicture.top == ScoresheetGeometry::SheetPicture.top
                  && G::LinescorePicture.left == ScoresheetGeometry::LinescorePicture.left
                  && G::LinescorePicture.top == ScoresheetGeometry::LinescorePicture.top,
              "the pictures stand where the grid says");

TwipRect inRow(const G::Column &column, Side side, const G::Row &row)
{
    return {side == Side::Away ? column.awayLeft : column.homeLeft, row.top, column.width, row.height};
}

TwipRect at(const G::Place &place, Side side)
{
    return {side == Side::Away ? place.awayLeft : place.homeLeft, place.top, place.width, place.height};
}

FieldPlacement onSheet(TwipRect rect, double points = 8.25, bool bold = false, QColor colour = Qt::black)
{
    return {FieldPlacement::Panel::Sheet, rect, Centre, points, bold, colour};
}

FieldPlacement onLinescore(TwipRect rect, Qt::Alignment alignment = Centre)
{
    return {FieldPlacement::Panel::Linescore, rect, alignment, 9.75, false, Qt::black};
}

TwipRect inLinescore(const G::LinescoreColumn &column, Side side)
{
    const G::Row &row = G::LinescoreRows[side == Side::Away ? 0 : 1];
    return {column.left, row.top, column.width, row.height};
}

TwipRect inningCell(Side side, int inning)
{
    int width = G::InningWidth;
    for (const G::NarrowCell &narrow : G::NarrowInnings)
        if (narrow.inning == inning && (side == Side::Away ? narrow.away : narrow.home))
            width = narrow.width;
    return inLinescore({0, G::InningLeft + G::InningStep * (inning - 1), width}, side);
}
} // namespace

std::optional<FieldPlacement> scoresheetFieldPlacement(const SheetColumn &column, Side side, int index)
{
    if (column.entry(index) == Entry::Hidden)
        return std::nullopt;
    const int row = column.row(side, index);
    switch (column.block) {
    case Block::Batting:
    case Block::Innings: {
        const G::Column &gridColumn = G::Columns[std::size_t(G::NameColumn + column.place())];
        const G::Row &gridRow = column.block == Block::Batting ? G::BattingRows[std::size_t(row - 1)]
                                                               : G::InningRows[std::size_t(row - 1)];
        FieldPlacement p = onSheet(inRow(gridColumn, side, gridRow));
        p.alignment = column.place() == 0 ? Left : Centre;
        return p;
    }
    default:
        break;
    }
    switch (column.id) {
    case C::Team:
        return onSheet(at(G::TeamName, side));
    case C::Team2:
        return onSheet(at(G::TeamNameCopy, side));
    case C::NeedHRBI:
        return onSheet(at(G::NeedHitsAndRbi, side), 9.75, false, Red);
    case C::NeedH:
        return onSheet(at(G::NeedHits, side), 9.75, false, Red);
    case C::Runs:
        return onSheet(at(G::RunsTotal, side), 9.75, true, Red);
    case C::Hits:
        return onSheet(at(G::HitsTotal, side), 9.75);
    case C::Team3:
        return onLinescore(inLinescore(G::LinescoreName, side), Left);
    case C::Inn:
        return onLinescore(inningCell(side, index));
    case C::Runs2:
        return onLinescore(inLinescore(G::LinescoreRuns, side));
    case C::Hits2:
        return onLinescore(inLinescore(G::LinescoreHits, side));
    default:
        return std::nullopt;
    }
}

namespace {
constexpr Side Away = Side::Away;
constexpr Side Home = Side::Home;

// One run of the tab order: the columns' elements first to last (down when first > last),
// one column's elements after another, or row by row when across; single fields have no
// elements. The indexes are elements, not rows: the away hits column is visited from its
// second element.
struct TabRun
{
    std::vector<std::pair<C, Side>> columns;
    int first = 0; // 0 with last 0: single fields
    int last = 0;
    bool across = false;
};

std::vector<TabStop> tabOrder()
{
    const std::vector<TabRun> runs = {
        {{{C::Team, Away}, {C::Team, Home}, {C::Runs, Away}, {C::Runs, Home}, {C::Hits, Away}, {C::Hits, Home}}},
        {{{C::Hitter, Away}, {C::Hitter, Home}}, 1, 12},
        {{{C::Pitcher, Away}, {C::Pitcher, Home}}, 1, 14},
        {{{C::Hit, Away}}, 2, 3},
        {{{C::Hit, Away}}, 1, 1},
        {{{C::Hit, Away}}, 4, 12},
        {{{C::Hit, Home}}, 1, 12},
        {{{C::R, Away}, {C::ER, Away}, {C::HitP, Away}, {C::K, Away}, {C::BB, Away}, {C::Pull, Away}}, 1, 14, true},
        {{{C::R, Home}, {C::ER, Home}, {C::HitP, Home}, {C::K, Home}, {C::BB, Home}, {C::Pull, Home}}, 1, 14, true},
        {{{C::RBI, Away},
          {C::RBI, Home},
          {C::Doubles, Away},
          {C::Doubles, Home},
          {C::Triples, Away},
          {C::Triples, Home},
          {C::HomeRuns, Away},
          {C::HomeRuns, Home},
          {C::Steals, Away},
          {C::Steals, Home}},
         1,
         12},
        {{{C::NeedHRBI, Away},
          {C::NeedHRBI, Home},
          {C::NeedH, Away},
          {C::NeedH, Home},
          {C::Team2, Home},
          {C::Team2, Away},
          {C::Hits2, Home},
          {C::Hits2, Away},
          {C::Runs2, Home},
          {C::Runs2, Away}}},
        {{{C::Inn, Home}, {C::Inn, Away}}, 14, 1},
        {{{C::Team3, Home}, {C::Team3, Away}}},
    };
    std::vector<TabStop> order;
    for (const TabRun &run : runs) {
        if (run.first == 0) {
            for (const auto &[column, side] : run.columns)
                order.push_back({column, side, 0});
            continue;
        }
        const int step = run.first <= run.last ? 1 : -1;
        std::vector<int> indexes;
        for (int i = run.first; i != run.last + step; i += step)
            indexes.push_back(i);
        if (run.across) {
            for (int i : indexes)
                for (const auto &[column, side] : run.columns)
                    order.push_back({column, side, i});
        } else {
            for (const auto &[column, side] : run.columns)
                for (int i : indexes)
                    order.push_back({column, side, i});
        }
    }
    return order;
}
} // namespace

const std::vector<EntryStop> &scoresheetEntryOrder()
{
    static const std::vector<EntryStop> order = [] {
        std::vector<EntryStop> stops;
        for (Side side : Sides) {
            stops.push_back({{C::Team, side, 0}, true});
            const auto rows = [&](Block block, int count) {
                for (int row = 1; row <= count; ++row)
                    for (const SheetColumn &column : sheetColumns())
                        if (column.block == block)
                            stops.push_back(
                                {{column.id, side, column.element(side, row)}, column.kind == Kind::Entered});
            };
            rows(Block::Batting, SheetColumn::BattingRows);
            rows(Block::Innings, SheetColumn::InningRows);
        }
        return stops;
    }();
    return order;
}

const std::vector<TabStop> &scoresheetTabOrder()
{
    static const std::vector<TabStop> order = tabOrder();
    return order;
}
