#pragma once

#include <array>

// The one statement of the scoresheet's grid and of the linescore's: where each grid line
// is drawn and where each field lies inside its cell, in one unit, twips (15 to a pixel at
// 96 dots per inch). The sheet's numbers are relative to the window's client area, the
// linescore's to its panel (Frame1). The artwork draws the lines from here; the window
// places its fields from here.
namespace SheetGrid {

// Where a picture's top-left corner stands, in twips of the client area or the panel.
struct Origin
{
    int left;
    int top;
};

// A column of cells: the grid line at its left, and the fields in it (left edge in the
// away half and in the home half, and width).
struct Column
{
    int line;
    int awayLeft;
    int homeLeft;
    int width;
};

// A row of cells: the grid line above it, and the fields in it (top edge and height).
struct Row
{
    int line;
    int top;
    int height;
};

// The sheet picture: its top 50 twips lie above the client area.
inline constexpr Origin SheetPicture{0, -50};
inline constexpr int SheetWidth = 10950;
inline constexpr int SheetHeight = 7770;

// The away half's columns from the left: the caption column (whose fields are placed on
// their own), the name column, then H, RBI, 2B, 3B, HR, SB in batting and R, ER, H, K,
// BB, * in the inning rows.
inline constexpr std::array<Column, 8> Columns = {{
    {105, 0, 0, 0},
    {810, 830, 6210, 1760},
    {2580, 2600, 7980, 460},
    {3060, 3070, 8460, 480},
    {3555, 3570, 8960, 470},
    {4035, 4050, 9440, 470},
    {4515, 4530, 9920, 480},
    {5010, 5030, 10410, 470},
}};
inline constexpr int CaptionColumn = 0;
inline constexpr int NameColumn = 1;
// The line closing the away half's last column, and how far right the home half's lines
// stand from the away half's.
inline constexpr int GridRight = 5490;
inline constexpr int HalfOffset = 5385;

// The batting header band starts at this line; the twelve batting rows follow it, closed by
// the line above the inning header band; the fourteen inning rows follow that band.
inline constexpr int BattingHeaderLine = 25;
inline constexpr std::array<Row, 12> BattingRows = {{
    {535, 550, 240},
    {790, 810, 240},
    {1045, 1070, 240},
    {1300, 1320, 240},
    {1555, 1570, 240},
    {1810, 1830, 240},
    {2065, 2090, 240},
    {2320, 2340, 240},
    {2575, 2590, 240},
    {2830, 2850, 240},
    {3085, 3110, 230},
    {3325, 3350, 240},
}};
inline constexpr int InningHeaderLine = 3580;
inline constexpr std::array<Row, 14> InningRows = {{
    {4090, 4110, 240},
    {4345, 4360, 230},
    {4585, 4600, 240},
    {4840, 4860, 240},
    {5095, 5110, 240},
    {5350, 5370, 240},
    {5605, 5630, 240},
    {5860, 5880, 240},
    {6115, 6130, 240},
    {6370, 6390, 240},
    {6625, 6640, 240},
    {6880, 6900, 240},
    {7135, 7160, 240},
    {7390, 7410, 240},
}};
inline constexpr int GridBottom = 7645;

// Fields that stand outside the rows: the team's name in the batting header band and its
// copy over the other half's inning rows (standing in the other half), and the caption
// column's four counters.
struct Place
{
    int awayLeft;
    int homeLeft;
    int top;
    int width;
    int height;
};
inline constexpr Place TeamName{830, 6210, 160, 1760, 285};
inline constexpr Place TeamNameCopy{6210, 830, 3810, 1760, 285};
inline constexpr Place NeedHitsAndRbi{120, 5510, 600, 690, 240};
inline constexpr Place NeedHits{120, 5510, 1600, 690, 240};
inline constexpr Place RunsTotal{120, 5510, 2590, 690, 240};
inline constexpr Place HitsTotal{120, 5505, 3350, 690, 240};

// The batting rows whose caption cells are framed: the runs total (row 9) and the hits
// total (row 12).
inline constexpr std::array<int, 2> FramedCaptionRows = {9, 12};

// The linescore picture in Frame1: a name column, fourteen innings, R and H.
inline constexpr Origin LinescorePicture{120, 240};
inline constexpr int LinescoreWidth = 9615;
inline constexpr int LinescoreHeight = 900;

struct LinescoreColumn
{
    int line; // the grid line at its left
    int left; // its fields
    int width;
};
inline constexpr int Innings = 14;
// The name column, then innings 1 to 14 every 480 twips, then R and H. The line before R
// is doubled: the last inning's cell gives up a pixel to it.
inline constexpr LinescoreColumn LinescoreName{120, 130, 1900};
inline constexpr int FirstInningLine = 2040;
inline constexpr int InningStep = 480;
inline constexpr int InningLeft = 2050;
inline constexpr int InningWidth = 465;
inline constexpr LinescoreColumn LinescoreRuns{8745, 8770, 460}; // the doubled line: 8745 and 8760
inline constexpr LinescoreColumn LinescoreHits{9240, 9250, 460};
inline constexpr int LinescoreRight = 9720;
// Some inning cells are a little narrower: the home team's last, and the away team's 7th and last.
struct NarrowCell
{
    bool away;
    bool home;
    int inning;
    int width;
};
inline constexpr std::array<NarrowCell, 2> NarrowInnings = {{{true, false, 7, 460}, {true, true, 14, 450}}};

// The header line over the innings, the header rule (two pixels thick) and the lines
// closing the two teams' rows; each team's fields.
inline constexpr int LinescoreTopLine = 240;
inline constexpr int LinescoreHeaderRule = 495;
inline constexpr std::array<Row, 2> LinescoreRows = {{{495, 520, 250}, {780, 800, 250}}};
inline constexpr int LinescoreBottom = 1050;

} // namespace SheetGrid
