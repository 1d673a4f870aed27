#include "ui/art/ArtDrawing.h"

#include <QPainter>

namespace Art::Drawing {

namespace {
constexpr qreal OutlineWidth = 2.0;
}

QPolygonF dieOutline(QSize size, DieShape shape)
{
    // Both shapes have points at top and bottom and vertical sides between their slants.
    // The hexagon's slants end 7.5 px from the ends (a regular hexagon would take 9), which
    // keeps the number label's corners on the fill; the diamond is a rhombus whose short
    // vertical sides stand at mid-height.
    const qreal slant = shape == DieShape::Hexagon ? 7.5 : 16;
    const qreal w = size.width();
    const qreal h = size.height();
    return QPolygonF({{w / 2, 0}, {w, slant}, {w, h - slant}, {w / 2, h}, {0, h - slant}, {0, slant}});
}

void paintDie(QPainter &painter, QSize size, DieShape shape, const QColor &fill)
{
    const QPolygonF outer = dieOutline(size, shape);
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
