#include "ui/season/print/PrintTable.h"

#include "ui/art/Fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Padding = 5; // on each side of a cell's text
constexpr double LongestName = 190;

// The text a cell shows: at most a line, and not a mebibyte of one.
QString shown(const QString &text)
{
    QString line = text.left(400);
    line.replace(u'\n', u' ');
    return line;
}

} // namespace

PrintTable::PrintTable(ReportTable table, double room)
    : m_table(std::move(table))
    , m_font(Fonts::font(7.5))
    , m_bold(Fonts::font(7.5, true))
{
    const QFontMetricsF metrics(m_font);
    const QFontMetricsF boldMetrics(m_bold);
    m_row = std::ceil(metrics.height()) + 3;
    m_caption = m_table.caption.isEmpty() ? 0 : m_row + 1;
    m_columns.assign(m_table.columns.size(), 0);
    // Every digit is as wide as the others: a number is measured by its length.
    const double digit = metrics.horizontalAdvance(u'0');
    const auto measure = [&](const ReportTable::Row &row, const QFontMetricsF &fm) {
        for (std::size_t i = 0; i < m_columns.size() && i < row.size(); ++i) {
            const QString &text = row[i].text;
            const bool plainNumber = m_table.columns[i].number && text.size() < 12
                                     && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
            const double width = plainNumber ? digit * double(text.size()) : fm.horizontalAdvance(shown(text));
            m_columns[i] = std::max(m_columns[i], width);
        }
    };
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_columns[i] = boldMetrics.horizontalAdvance(m_table.columns[i].header);
    for (const ReportTable::Row &row : m_table.rows)
        measure(row, metrics);
    measure(m_table.totals, boldMetrics);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_table.columns[i].name)
            m_columns[i] = std::min(m_columns[i], LongestName);
        m_columns[i] += 2 * Padding;
        m_width += m_columns[i];
    }
    if (room > 0 && m_width > room)
        m_scale = room / m_width;
}

double PrintTable::height(int first, int last, bool totals) const
{
    const int rows = std::max(0, last - first) + 1 + (totals && hasTotals() ? 1 : 0);
    return (m_caption + m_row * rows) * m_scale;
}

void PrintTable::paint(QPainter &painter, QPointF at, int first, int last, bool totals, bool continued) const
{
    painter.save();
    painter.translate(at);
    painter.scale(m_scale, m_scale);
    double y = 0;
    if (m_caption > 0) {
        painter.setFont(m_bold);
        painter.setPen(Qt::black);
        const QString caption = continued
                                    ? QCoreApplication::translate("PrintTable", "%1 (continued)").arg(m_table.caption)
                                    : m_table.caption;
        painter.drawText(QRectF(0, 0, m_width, m_caption), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(m_bold).elidedText(shown(caption), Qt::ElideRight, m_width));
        y += m_caption;
    }
    ReportTable::Row header;
    for (const ReportTable::Column &column : m_table.columns)
        header.push_back({column.header, {}});
    painter.fillRect(QRectF(0, y, m_width, m_row), QColor(0xe8, 0xe8, 0xe8));
    paintRow(painter, y, header, m_bold);
    y += m_row;
    painter.setPen(QPen(QColor(0x66, 0x66, 0x66), 0.8));
    painter.drawLine(QPointF(0, y), QPointF(m_width, y));
    for (int row = first; row < last && row < rowCount(); ++row) {
        paintRow(painter, y, m_table.rows[std::size_t(row)], m_font);
        y += m_row;
        painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 0.5));
        painter.drawLine(QPointF(0, y), QPointF(m_width, y));
    }
    if (totals && hasTotals()) {
        painter.setPen(QPen(QColor(0x66, 0x66, 0x66), 0.8));
        painter.drawLine(QPointF(0, y), QPointF(m_width, y));
        paintRow(painter, y, m_table.totals, m_bold);
    }
    painter.restore();
}

void PrintTable::paintRow(QPainter &painter, double y, const ReportTable::Row &row, const QFont &font) const
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    double x = 0;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const ReportTable::Column &column = m_table.columns[i];
        const QString text = i < row.size() ? shown(row[i].text) : QString();
        const QRectF cell(x + Padding, y, m_columns[i] - 2 * Padding, m_row);
        if (!text.isEmpty()) {
            const QString fitted = column.name ? metrics.elidedText(text, Qt::ElideRight, cell.width() + 0.5) : text;
            painter.drawText(cell, Qt::AlignVCenter | (column.number ? Qt::AlignRight : Qt::AlignLeft), fitted);
        }
        x += m_columns[i];
    }
}
