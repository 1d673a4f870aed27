#include "ui/art/Art.h"

#include "ui/art/ArtDrawing.h"

#include <QPainter>

#include <array>

namespace Art {

using namespace Drawing;

namespace {

// A picture's natural size and the code that draws it at that size.
struct PictureInfo
{
    Picture picture;
    QSize size;
    void (*paint)(QPainter &painter, QSize size);
};

template <DieShape shape, const QColor &fill> void die(QPainter &painter, QSize size)
{
    paintDie(painter, size, shape, fill);
}

template <BoxSet set> void boxes(QPainter &painter, QSize size)
{
    paintBoxes(painter, size, set);
}

void naturalIcon(QPainter &painter, QSize size)
{
    paintIcon(painter, size.width());
}

constexpr QSize HexagonSize(31, 36);
constexpr QSize DiamondSize(36, 38);

// In the order of Picture.
constexpr std::array<PictureInfo, 13> Pictures = {{
    {Picture::Icon, {32, 32}, naturalIcon},
    {Picture::HexRed, HexagonSize, die<DieShape::Hexagon, Red>},
    {Picture::HexNavy, HexagonSize, die<DieShape::Hexagon, Navy>},
    {Picture::HexGreen, HexagonSize, die<DieShape::Hexagon, Green>},
    {Picture::HexWhite, HexagonSize, die<DieShape::Hexagon, White>},
    {Picture::DiamondRed, DiamondSize, die<DieShape::Diamond, Red>},
    {Picture::DiamondNavy, DiamondSize, die<DieShape::Diamond, Navy>},
    {Picture::RollerBoxes, {343, 309}, boxes<BoxSet::Roller>},
    {Picture::SheetBoxesTop, {327, 90}, boxes<BoxSet::Top>},
    {Picture::SheetBoxesMiddle, {329, 90}, boxes<BoxSet::Middle>},
    {Picture::SheetBoxesRuns, {321, 88}, boxes<BoxSet::Runs>},
    {Picture::Sheet, {730, 518}, paintSheet},
    {Picture::Linescore, {641, 60}, paintLinescore},
}};

constexpr bool inPictureOrder()
{
    for (std::size_t i = 0; i < Pictures.size(); ++i)
        if (Pictures[i].picture != Picture(i))
            return false;
    return Pictures.back().picture == Picture::Linescore;
}
static_assert(inPictureOrder(), "one entry for every picture, in the order of Art::Picture");

const PictureInfo &info(Picture picture)
{
    return Pictures.at(std::size_t(picture));
}

} // namespace

QSize naturalSize(Picture picture)
{
    return info(picture).size;
}

void paint(QPainter &painter, Picture picture)
{
    const PictureInfo &p = info(picture);
    p.paint(painter, p.size);
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

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, size);
    return image;
}

QIcon programIcon()
{
    // One pixmap per common size, each drawn for its size rather than scaled from another.
    QIcon icon;
    for (int size : {16, 20, 22, 24, 32, 40, 48, 64, 96, 128, 256})
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    return icon;
}

} // namespace Art
