#include "ui/season/print/BookPage.h"

#include "ui/art/Fonts.h"
#include "ui/season/print/PrintTable.h"

#include <QFontMetricsF>
#include <QPainter>

void BookPage::setFooter(const QString &left, const QString &right)
{
    m_footerLeft = left;
    m_footerRight = right;
}

void BookPage::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    painter.setPen(Qt::black);
    for (const Text &text : m_texts) {
        painter.setFont(text.font);
        painter.drawText(text.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.text);
    }
    for (const TableSlice &slice : m_tables)
        slice.table->paint(painter, slice.at, slice.first, slice.last, slice.totals, slice.continued);
    if (m_footerLeft.isEmpty() && m_footerRight.isEmpty())
        return;
    const QFont font = Fonts::font(7);
    painter.setFont(font);
    painter.setPen(QColor(0x44, 0x44, 0x44));
    const double line = QFontMetricsF(font).height();
    const QRectF footer(0, Height - line, Width, line);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, m_footerRight);
    const double room = Width - QFontMetricsF(font).horizontalAdvance(m_footerRight) - 24;
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                     QFontMetricsF(font).elidedText(m_footerLeft, Qt::ElideRight, room));
}
