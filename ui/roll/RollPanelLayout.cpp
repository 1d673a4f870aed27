#include "ui/roll/RollPanelLayout.h"

namespace {
const QColor Red(255, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

constexpr double Large = 12.0; // twenty-sided values on hexagons
constexpr double Small = 9.75; // ten-sided values on diamonds

using P = Art::Picture;
} // namespace

const ResultLabelLook &resultLabelLook(int label)
{
    static const std::array<ResultLabelLook, Roll::FieldCount> looks = {{
        {Red, White, Large},   // lblWho1
        {Red, White, Small},   // lblWho2
        {White, Black, Large}, // lblScore
        {Navy, White, Large},  // lblWhere1
        {Navy, White, Small},  // lblWhere2
        {White, Black, Large}, // lblHits
        {Green, White, Large}, // lblK
        {White, Black, Large}, // lblW
        {Red, White, Small},   // lblRuns1st
        {Navy, White, Small},  // lblRunsRel
        {Red, White, Small},   // lblRunsA1
        {Navy, White, Small},  // lblRunsA2
        {Red, White, Small},   // lblRunsUE1
        {Navy, White, Small},  // lblRunsUE2
    }};
    return looks.at(static_cast<size_t>(label));
}

const RollPanelLayout &rollerPanelLayout()
{
    static const RollPanelLayout layout = {
        {{
            {1, P::HexRed, {300, 1000, 465, 540}, {360, 1120, 345, 270}},
            {2, P::DiamondRed, {950, 1000, 540, 570}, {1085, 1170, 250, 210}},
            {3, P::HexWhite, {2280, 1000, 465, 540}, {2340, 1120, 345, 270}},
            {4, P::HexNavy, {3600, 1000, 465, 540}, {3660, 1120, 345, 270}},
            {5, P::DiamondNavy, {4200, 1000, 540, 570}, {4350, 1170, 255, 210}},
            {6, P::HexWhite, {600, 2450, 465, 540}, {660, 2570, 345, 270}},
            {7, P::HexGreen, {2280, 2450, 465, 540}, {2340, 2570, 345, 270}},
            {8, P::HexWhite, {3940, 2450, 465, 540}, {4000, 2570, 345, 270}},
            {9, P::DiamondRed, {250, 3890, 540, 570}, {385, 4055, 255, 210}},
            {10, P::DiamondNavy, {950, 3890, 540, 570}, {1085, 4055, 255, 210}},
            {11, P::DiamondRed, {1900, 3890, 540, 570}, {2035, 4055, 255, 210}},
            {12, P::DiamondNavy, {2580, 3890, 540, 570}, {2730, 4055, 255, 210}},
            {13, P::DiamondRed, {3550, 3890, 540, 570}, {3685, 4055, 255, 210}},
            {14, P::DiamondNavy, {4250, 3890, 540, 570}, {4400, 4055, 255, 210}},
        }},
        {{{"Image1", P::RollerBoxes, 0, 0}, {nullptr, P::RollerBoxes, 0, 0}, {nullptr, P::RollerBoxes, 0, 0}}},
        {1763, 4680, 1455, 495},
        {0, 0, 0, 0},
    };
    return layout;
}

const RollPanelLayout &scoresheetPanelLayout()
{
    static const RollPanelLayout layout = {
        {{
            {1, P::HexRed, {345, 615, 465, 540}, {405, 735, 345, 270}},
            {2, P::DiamondRed, {990, 615, 540, 570}, {1140, 780, 255, 210}},
            {3, P::HexWhite, {2310, 615, 465, 540}, {2370, 735, 345, 270}},
            {4, P::HexNavy, {3645, 615, 465, 540}, {3705, 735, 345, 270}},
            {5, P::DiamondNavy, {4290, 615, 540, 570}, {4440, 780, 255, 210}},
            {6, P::HexWhite, {5640, 615, 465, 540}, {5700, 735, 345, 270}},
            {7, P::HexGreen, {7320, 615, 465, 540}, {7380, 735, 345, 270}},
            {8, P::HexWhite, {8985, 615, 465, 540}, {9045, 735, 345, 270}},
            {9, P::DiamondRed, {2745, 1915, 540, 570}, {2880, 2080, 255, 210}},
            {10, P::DiamondNavy, {3450, 1915, 540, 570}, {3585, 2080, 255, 210}},
            {11, P::DiamondRed, {4395, 1915, 540, 570}, {4530, 2080, 255, 210}},
            {12, P::DiamondNavy, {5070, 1915, 540, 570}, {5220, 2080, 255, 210}},
            {13, P::DiamondRed, {6045, 1915, 540, 570}, {6180, 2080, 255, 210}},
            {14, P::DiamondNavy, {6735, 1915, 540, 570}, {6885, 2080, 255, 210}},
        }},
        // Back to front: Image2 behind Image4 behind Image3 where their white margins overlap.
        {{{"Image2", P::SheetBoxesTop, 120, 0},
          {"Image4", P::SheetBoxesRuns, 2610, 1300},
          {"Image3", P::SheetBoxesMiddle, 5040, -30}}},
        {720, 1800, 1455, 495},
        {7560, 1680, 1455, 615},
    };
    return layout;
}
