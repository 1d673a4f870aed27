#include "ui/art/Art.h"

#include "ui/art/ArtDrawing.h"
#include "ui/art/Fonts.h"

#include <QPainter>

namespace Art {

using namespace Drawing;

QSize naturalSize(Picture picture)
{
    switch (picture) {
    case Picture::Icon:
        return {32, 32};
    case Picture::HexRed:
    case Picture::HexNavy:
    case Picture::HexGreen:
    case Picture::HexWhite:
        return {31, 36};
    case Picture::DiamondRed:
    case Picture::DiamondNavy:
        return {36, 38};
    case Picture::RollerBoxes:
        return {343, 309};
    case Picture::SheetBoxesTop:
        return {327, 90};
    case Picture::SheetBoxesMiddle:
        return {329, 90};
    case Picture::SheetBoxesRuns:
        return {321, 88};
    case Picture::Sheet:
        return {730, 518};
    case Picture::Linescore:
        return {641, 60};
    }
    return {};
}

void paint(QPainter &painter, Picture picture)
{
    // The headings need the bundled face; installing is idempotent.
    Fonts::install();
    switch (picture) {
    case Picture::Icon:
        paintIcon(painter, 32);
        break;
    case Picture::HexRed:
        paintDie(painter, DieShape::Hexagon, Red);
        break;
    case Picture::HexNavy:
        paintDie(painter, DieShape::Hexagon, Navy);
        break;
    case Picture::HexGreen:
        paintDie(painter, DieShape::Hexagon, Green);
        break;
    case Picture::HexWhite:
        paintDie(painter, DieShape::Hexagon, White);
        break;
    case Picture::DiamondRed:
        paintDie(painter, DieShape::Diamond, Red);
        break;
    case Picture::DiamondNavy:
        paintDie(painter, DieShape::Diamond, Navy);
        break;
    case Picture::RollerBoxes:
        paintBoxes(painter, BoxSet::Roller);
        break;
    case Picture::SheetBoxesTop:
        paintBoxes(painter, BoxSet::Top);
        break;
    case Picture::SheetBoxesMiddle:
        paintBoxes(painter, BoxSet::Middle);
        break;
    case Picture::SheetBoxesRuns:
        paintBoxes(painter, BoxSet::Runs);
        break;
    case Picture::Sheet:
        paintSheet(painter);
        break;
    case Picture::Linescore:
        paintLinescore(painter);
        break;
    }
}

QPixmap pixmap(Picture picture, qreal devicePixelRatio)
{
    const QSize size = naturalSize(picture);
    QPixmap result(size * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, picture);
    return result;
}

QIcon programIcon()
{
    // One pixmap per common size, each drawn for its size rather than scaled from another.
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
        QPixmap image(size, size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintIcon(painter, size);
        painter.end();
        icon.addPixmap(image);
    }
    return icon;
}

} // namespace Art
