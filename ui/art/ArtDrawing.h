#pragma once

// Internal to the artwork library: the drawing pieces that Art::paint puts together. Each
// picture's painter is handed the picture's natural size from Art's table of pictures.

#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace Art::Drawing {

inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Grey(192, 192, 192);
inline const QColor Red(255, 0, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Green(0, 128, 0);

// Grid lines as filled rectangles in whole logical pixels; the ends are inclusive.
void hline(QPainter &painter, int x1, int x2, int y, int thickness = 1);
void vline(QPainter &painter, int x, int y1, int y2, int thickness = 1);

// Text centred in a rectangle; one-line text is centred on its capital height, so that
// capitals sit in the middle whatever the font's ascent and descent.
void centredText(QPainter &painter, const QRect &rect, const QString &text, const QFont &font,
                 const QColor &colour = Black);
// Several lines centred together.
void centredLines(QPainter &painter, const QRect &rect, const QStringList &lines, const QFont &font,
                  const QColor &colour = Black);
// The font made smaller, a pixel at a time, until the text fits the width.
QFont fitted(QFont font, const QString &text, int width);

// A convex polygon moved inwards by distance on every edge.
QPolygonF inset(const QPolygonF &polygon, qreal distance);

enum class DieShape { Hexagon, Diamond };
QPolygonF dieOutline(QSize size, DieShape shape);
void paintDie(QPainter &painter, QSize size, DieShape shape, const QColor &fill);

enum class BoxSet { Roller, Top, Middle, Runs };
void paintBoxes(QPainter &painter, QSize size, BoxSet set);

void paintSheet(QPainter &painter, QSize size);
void paintLinescore(QPainter &painter, QSize size);

// The icon drawn into a square of size logical pixels; small sizes get a simpler seam.
void paintIcon(QPainter &painter, int size);

} // namespace Art::Drawing
