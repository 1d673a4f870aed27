#pragma once

#include "scoresheet/SheetColumns.h"
#include "ui/Twips.h"

#include <QColor>

#include <optional>
#include <vector>

// Where each field of the scoresheet stands and how it looks, from the sheet's grid table
// in twips. The grid fields stand in the sheet picture's cells; the linescore fields stand
// in Frame1 and their rectangles are relative to it.
struct FieldPlacement
{
    enum class Panel { Sheet, Linescore };

    Panel panel = Panel::Sheet;
    TwipRect rect{};
    Qt::Alignment alignment = Qt::AlignHCenter;
    double points = 8.25; // the window font unless a field has its own
    bool bold = false;
    QColor colour = Qt::black;
};

// The placement of a field or array element, or nothing for the hidden elements 0
// (which stand nowhere and are never shown).
std::optional<FieldPlacement> scoresheetFieldPlacement(const SheetColumn &column, Side side, int index);

// One field in the order the Tab key visits them.
struct TabStop
{
    ColumnId column;
    Side side;
    int index;
};
// The sheet's fields in the order the Tab key visits them; the roll panel's buttons and
// "View Rolls" follow them.
const std::vector<TabStop> &scoresheetTabOrder();

// The fields in the order Enter walks them, across each row as on paper: the away team's
// name and batting rows (hitter, H, RBI, 2B, 3B, HR, SB), the inning rows of the pitchers
// facing it (pitcher, R, ER, H, K, BB, and the computed * that Enter passes over), then the
// home team's the same way.
struct EntryStop
{
    TabStop stop;
    bool entered; // false: the pull counter, passed over
};
const std::vector<EntryStop> &scoresheetEntryOrder();

namespace ScoresheetGeometry {
constexpr TwipRect ClientArea{0, 0, 11010, 10665};
constexpr TwipRect SheetPicture{0, -50, 10950, 7770};
constexpr TwipRect Frame2{600, 7660, 9975, 3015};
constexpr TwipRect Frame1{600, 8400, 10000, 1215};
constexpr TwipRect LinescorePicture{120, 240, 9615, 900}; // in Frame1
constexpr TwipRect cmdViewRolls{4778, 9840, 1455, 495};
constexpr TwipRect cmdReset{13320, 9960, 1935, 375};
constexpr TwipRect cmdPrint{13320, 9120, 1935, 375};
constexpr TwipRect cmdRules{13320, 9540, 1935, 375};
} // namespace ScoresheetGeometry
