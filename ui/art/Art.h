#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

class QPainter;

// The program's artwork, drawn in code in logical pixels so that it stays sharp at any
// integer device pixel ratio: grid lines are filled 1-px rectangles, only curves and
// text are antialiased.
namespace Art {

// Each picture's natural size is in the table of pictures in Art.cpp.
enum class Picture {
    Icon, // the program's icon
    HexRed,
    HexNavy,
    HexGreen,
    HexWhite, // hexagon dice
    DiamondRed,
    DiamondNavy,      // diamond dice
    RollerBoxes,      // roller `Image1`: title and 9 boxes
    SheetBoxesTop,    // scoresheet `Image2`: WHO, SCORE, WHERE
    SheetBoxesMiddle, // scoresheet `Image3`: HITS, K, W
    SheetBoxesRuns,   // scoresheet `Image4`: three RUNS boxes
    Sheet,            // scoresheet `Image1`: the grid
    Linescore,        // scoresheet `Image5`
};

QSize naturalSize(Picture picture);             // in device-independent pixels
void paint(QPainter &painter, Picture picture); // draws it with its top-left at 0,0, natural size, logical px
QPixmap pixmap(Picture picture, qreal devicePixelRatio = 1.0); // rendered at that ratio (setDevicePixelRatio)
QImage iconImage(int size);                                    // the icon drawn for a square of size px
QIcon programIcon();                                           // the icon, sharp at 16, 24, 32, 48, 64 px and up

} // namespace Art
