#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

// The program's artwork, drawn in code in logical pixels so that it stays sharp at any
// integer device pixel ratio: grid lines are filled 1-px rectangles, only curves and
// text are antialiased.
namespace Art {

enum class Picture {
    Icon,                                        // 32 x 32, the program's icon
    HexRed, HexNavy, HexGreen, HexWhite,         // hexagon die, 31 x 36
    DiamondRed, DiamondNavy,                     // diamond die, 36 x 38
    RollerBoxes,                                 // roller `Image1`, 343 x 309 (title + 9 boxes)
    SheetBoxesTop,                               // scoresheet `Image2`, 327 x 90 (WHO, SCORE, WHERE)
    SheetBoxesMiddle,                            // scoresheet `Image3`, 329 x 90 (HITS, K, W)
    SheetBoxesRuns,                              // scoresheet `Image4`, 321 x 88 (three RUNS boxes)
    Sheet,                                       // scoresheet `Image1`, 730 x 518 (the grid)
    Linescore,                                   // scoresheet `Image5`, 641 x 60
};

QSize naturalSize(Picture picture);              // in device-independent pixels
void paint(QPainter &painter, Picture picture);  // draws it with its top-left at 0,0, natural size, logical px
QPixmap pixmap(Picture picture, qreal devicePixelRatio = 1.0); // rendered at that ratio (setDevicePixelRatio)
QIcon programIcon();                             // the icon, sharp at 16, 24, 32, 48, 64 px and up

} // namespace Art
