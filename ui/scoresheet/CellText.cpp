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
    const auto fits = [&](const QString &candidate) {
        return QFontMetrics(m_font).horizontalAdvance(candidate) <= room;
    };
    if (fits(text))
        return;
    m_whole = false;
    while (m_font.pixelSize() > MinimumPixelSize) {
        m_font.setPixelSize(m_font.pixelSize() - 1);
        if (fits(text))
            return;
    }
    const QString dots = QStringLiteral("...");
    qsizetype keep = text.size();
    do {
        --keep;
        m_shown = text.left(keep) + dots;
    } while (keep > 0 && !fits(m_shown));
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
