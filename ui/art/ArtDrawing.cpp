#include "ui/art/ArtDrawing.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QStringList>

#include <cmath>

namespace Art::Drawing {

void hline(QPainter &painter, int x1, int x2, int y, int thickness)
{
    painter.fillRect(QRect(x1, y, x2 - x1 + 1, thickness), Black);
}

void vline(QPainter &painter, int x, int y1, int y2, int thickness)
{
    painter.fillRect(QRect(x, y1, thickness, y2 - y1 + 1), Black);
}

void centredText(QPainter &painter, const QRect &rect, const QString &text, const QFont &font, const QColor &colour)
{
    centredLines(painter, rect, QStringList{text}, font, colour);
}

void centredLines(QPainter &painter, const QRect &rect, const QStringList &lines, const QFont &font,
                  const QColor &colour)
{
    const QFontMetrics metrics(font);
    const int capHeight = metrics.capHeight();
    const int lineStep = metrics.lineSpacing();
    // The block is measured from the first line's cap top to the last line's baseline, or
    // to the foot of its underline.
    const int underline = font.underline() ? metrics.underlinePos() + metrics.lineWidth() : 0;
    const int blockHeight = capHeight + lineStep * (int(lines.size()) - 1) + underline;
    int baseline = rect.top() + (rect.height() - blockHeight + 1) / 2 + capHeight;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(colour);
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        const int left = rect.left() + (rect.width() - width + 1) / 2;
        painter.drawText(QPoint(left, baseline), line);
        baseline += lineStep;
    }
    painter.restore();
}

QFont fitted(QFont font, const QString &text, int width)
{
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QPolygonF inset(const QPolygonF &polygon, qreal distance)
{
    const int n = int(polygon.size());
    qreal area = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF &a = polygon[i];
        const QPointF &b = polygon[(i + 1) % n];
        area += a.x() * b.y() - b.x() * a.y();
    }
    // With y pointing down, a positive area means clockwise on screen: the inside is to the right.
    const qreal side = area > 0 ? 1.0 : -1.0;

    QList<QLineF> edges;
    for (int i = 0; i < n; ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % n];
        const QLineF edge(a, b);
        const QPointF normal = QPointF(-edge.dy(), edge.dx()) / edge.length() * side * distance;
        edges.append(QLineF(a + normal, b + normal));
    }
    QPolygonF result;
    for (int i = 0; i < n; ++i) {
        const QLineF &before = edges[(i + n - 1) % n];
        const QLineF &after = edges[i];
        QPointF corner;
        if (before.intersects(after, &corner) == QLineF::NoIntersection)
            corner = after.p1();
        result.append(corner);
    }
    return result;
}

} // namespace Art::Drawing
