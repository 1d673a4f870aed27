#include "ui/art/Art.h"

#include "ui/art/ArtDrawing.h"

#include <QIconEngine>
#include <QPainter>

#include <array>
#include <map>

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

namespace {

// The program's icon, drawn for each size when that size is first asked for and kept for
// the rest of the program: every window shares the drawings, and a size nobody shows is
// never drawn.
class DrawnIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        QImage &drawn = drawings()[side];
        if (drawn.isNull())
            drawn = iconImage(side);
        QPixmap result = QPixmap::fromImage(drawn);
        if (size.width() != size.height()) {
            // A square drawing centred in an oblong request, as QIcon does with its pixmaps.
            QPixmap oblong(size);
            oblong.fill(Qt::transparent);
            QPainter painter(&oblong);
            painter.drawPixmap((size.width() - side) / 2, (size.height() - side) / 2, result);
            return oblong;
        }
        return result;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // The sizes a window hands to the window system for its title bar, task bar and
        // switcher; any other size is drawn when asked for. They stop at 128 px: on X11 a
        // 256 px icon added 10 ms to the first showing of every window, and desktops take
        // their large icons from the installed icon theme.
        QList<QSize> sizes;
        for (int side : {16, 22, 24, 32, 48, 64, 128})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new DrawnIconEngine; }
    QString key() const override { return QStringLiteral("quorvel-drawn"); }

private:
    static std::map<int, QImage> &drawings()
    {
        static std::map<int, QImage> drawn;
        return drawn;
    }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new DrawnIconEngine);
}

} // namespace Art
