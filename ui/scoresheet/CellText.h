#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// How a cell of the sheet shows a text that may be wider than the cell, on screen and on
// paper alike: always from its start, in a smaller size of the same font where it does
// not fit, down to MinimumPixelSize, and beyond that cut short with "...". A text is
// never shown so that it reads as another value ("2769" for "-32769").
class CellText
{
public:
    static constexpr int MinimumPixelSize = 7;
    // A line edit keeps one pixel free on each side of its text.
    static constexpr int SideMargin = 1;
    // No cell shows more characters than this of a text: the rest is never measured.
    static constexpr qsizetype MaxMeasured = 1000;

    // Fits text into a cell of the given size, starting from the cell's own font.
    CellText(const QString &text, const QFont &font, QSize cell);

    const QString &shown() const { return m_shown; } // the full text, or its start with "..."
    const QFont &font() const { return m_font; }     // the cell's font, or a smaller size of it
    bool isWhole() const { return m_whole; }         // shown whole in the cell's own font

    // Draws the fitted text into the cell's rectangle with the cell's alignment.
    void draw(QPainter &painter, const QRect &cell, Qt::Alignment alignment, const QColor &colour) const;

private:
    QString m_shown;
    QFont m_font;
    bool m_whole = true;
};
