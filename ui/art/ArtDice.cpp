#include "ui/art/ArtDrawing.h"

#include <QPainter>

namespace Art::Drawing {

namespace {
constexpr qreal OutlineWidth = 2.0;
}

QPolygonF dieOutline(DieShape shape)
{
    if (shape == DieShape::Hexagon) {
        // 31 x 36, points at top and bottom. The slanted edges end 8 px from the ends (a
        // regular hexagon would take 9), which keeps the number label's corners on the fill.
        return QPolygonF({{15.5, 0}, {31, 7.5}, {31, 28.5}, {15.5, 36}, {0, 28.5}, {0, 7.5}});
    }
    // 36 x 38: a rhombus with short vertical sides at mid-height.
    return QPolygonF({{18, 0}, {36, 16}, {36, 22}, {18, 38}, {0, 22}, {0, 16}});
}

void paintDie(QPainter &painter, DieShape shape, const QColor &fill)
{
    const QPolygonF outer = dieOutline(shape);
    const QRectF bounds = outer.boundingRect();

    painter.save();
    painter.fillRect(bounds.toRect(), White);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    // The outline is the ring between the shape and the shape moved in by its width:
    // it stays 2 px wide on the slants as on the vertical sides.
    painter.setBrush(Black);
    painter.drawPolygon(outer);
    painter.setBrush(fill);
    painter.drawPolygon(inset(outer, OutlineWidth));
    painter.restore();
}

} // namespace Art::Drawing
