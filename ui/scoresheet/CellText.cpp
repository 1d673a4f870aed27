#include "ui/scoresheet/CellText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {
// A pixel size, whichever unit the font was given in, so that the text has the same
// size on paper as on screen however the painter is scaled.
QFont inPixels(QFont font)
{
    if (font.pixelSize() <= 0)
        font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}
} // namespace

CellText::CellText(const QString &text, const QFont &font, QSize cell)
    : m_shown(text)
    , m_font(inPixels(font))
{
    const int room = cell.width() - 2 * SideMargin;
    // However long the text, what a cell can show is its start: a few hundred characters at
    // the very most. Measuring no more than that keeps a pasted essay as quick as a number.
    const QString start = text.size() > MaxMeasured ? text.left(MaxMeasured) : text;
    const bool cut = start.size() < text.size();
    const auto fits = [&](QStringView candidate) {
        return QFontMetrics(m_font).horizontalAdvance(candidate.toString()) <= room;
    };
    if (!cut && fits(start))
        return;
    m_whole = false;
    while (m_font.pixelSize() > MinimumPixelSize) {
        m_font.setPixelSize(m_font.pixelSize() - 1);
        if (!cut && fits(start))
            return;
    }
    // The longest start that fits with "..." after it, found by halving.
    const QString dots = QStringLiteral("...");
    qsizetype lowest = 0; // fits (the dots alone are shown, however narrow the cell)
    qsizetype highest = start.size();
    if (!cut && highest > 0)
        --highest; // the whole text did not fit
    while (lowest < highest) {
        const qsizetype middle = (lowest + highest + 1) / 2;
        if (fits(QStringView(start).left(middle).toString() + dots))
            lowest = middle;
        else
            highest = middle - 1;
    }
    // Never half of a character made of two.
    if (lowest > 0 && start.at(lowest - 1).isHighSurrogate())
        --lowest;
    m_shown = start.left(lowest) + dots;
}

void CellText::draw(QPainter &painter, const QRect &cell, Qt::Alignment alignment, const QColor &colour) const
{
    painter.save();
    painter.setFont(m_font);
    painter.setPen(colour);
    const QRect inside = cell.adjusted(SideMargin, 0, -SideMargin, 0);
    painter.drawText(inside, int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_shown);
    painter.restore();
}
