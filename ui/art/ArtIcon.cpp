#include "ui/art/ArtDrawing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <numbers>

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
    // The rim stays about a device pixel or two wide at every size.
    painter.setPen(QPen(QColor(110, 110, 110), size <= 16 ? 1.2 : size <= 32 ? 1.0 : 0.7));
    painter.setBrush(light);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);

    // The seam: an arc across the lower right, centred outside the ball, so that it bends
    // the way a seam does on the far side of the ball.
    QPainterPath ball;
    ball.addEllipse(centre, radius - 1.0, radius - 1.0);
    painter.setClipPath(ball, Qt::IntersectClip);
    const QPointF seamCentre(38, 38);
    const qreal seamRadius = 24.5;
    const QColor red(214, 24, 24);
    painter.setBrush(Qt::NoBrush);
    if (size < 24) {
        // Too small for single stitches: a solid red band reads better.
        painter.setPen(QPen(red, 2.4, Qt::SolidLine, Qt::FlatCap));
        painter.drawEllipse(seamCentre, seamRadius, seamRadius);
    } else {
        painter.setPen(QPen(QColor(190, 70, 70), 0.7));
        painter.drawEllipse(seamCentre, seamRadius, seamRadius);
        painter.setPen(QPen(red, size >= 48 ? 1.1 : 1.4, Qt::SolidLine, Qt::RoundCap));
        // Stitches cross the seam in pairs leaning along it, like a ball's laces; those
        // that would fall on the rim are left out.
        const qreal spacing = size >= 48 ? 2.4 : 3.2; // along the seam, in 32-unit steps
        const int stitches = int(seamRadius * std::numbers::pi / 2 / spacing);
        for (int i = -stitches / 2; i <= stitches / 2; ++i) {
            const qreal angle = qDegreesToRadians(225.0) + i * spacing / seamRadius;
            const QPointF along(-std::sin(angle), std::cos(angle));
            const QPointF outward(std::cos(angle), std::sin(angle));
            const QPointF onSeam = seamCentre + outward * seamRadius;
            if (QLineF(onSeam, centre).length() > radius - 2.5)
                continue;
            painter.drawLine(onSeam + outward * 2.2 - along * 0.9, onSeam + outward * 0.4 + along * 0.7);
            painter.drawLine(onSeam - outward * 2.2 - along * 0.9, onSeam - outward * 0.4 + along * 0.7);
        }
    }
    painter.restore();
}

} // namespace Art::Drawing
