#include "ui/art/ArtDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace Art::Drawing {

void paintIcon(QPainter &painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Drawn on a 32-unit square and scaled, so every size keeps the same composition.
    const qreal scale = size / 32.0;
    painter.scale(scale, scale);

    const QPointF centre(16, 16);
    const qreal radius = 15;

    // The ball, lit from the upper left and fading to grey towards the lower right.
    QRadialGradient light(centre, radius, QPointF(11, 10));
    light.setColorAt(0.0, QColor(255, 255, 255));
    light.setColorAt(0.45, QColor(246, 246, 246));
    light.setColorAt(0.8, QColor(205, 205, 205));
    light.setColorAt(1.0, QColor(150, 150, 150));
    painter.setPen(QPen(QColor(110, 110, 110), size <= 16 ? 1.2 : 1.0));
    painter.setBrush(light);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);

    // The seam: an arc across the lower right, centred outside the ball.
    painter.setClipRegion(QRegion(QRect(1, 1, 30, 30), QRegion::Ellipse));
    const QPointF seamCentre(31, 31);
    const qreal seamRadius = 13.5;
    const QColor red(220, 20, 20);
    if (size < 24) {
        // Too small for single stitches: a solid red band reads better.
        painter.setPen(QPen(red, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(seamCentre, seamRadius, seamRadius);
    } else {
        painter.setPen(QPen(QColor(200, 60, 60), 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(seamCentre, seamRadius, seamRadius);
        painter.setPen(QPen(red, 1.3, Qt::SolidLine, Qt::RoundCap));
        // Stitches lean along the seam on both sides of it, like the laces of a ball.
        for (int i = 0; i <= 8; ++i) {
            const qreal angle = qDegreesToRadians(180.0 + 11.25 * i);
            const QPointF along(std::cos(angle), std::sin(angle));
            const QPointF across(-along.y(), along.x());
            const QPointF onSeam = seamCentre + along * seamRadius;
            painter.drawLine(onSeam - along * 2.6 - across * 1.2, onSeam - along * 0.6 + across * 0.6);
            painter.drawLine(onSeam + along * 2.6 - across * 1.2, onSeam + along * 0.6 + across * 0.6);
        }
    }
    painter.restore();
}

} // namespace Art::Drawing
