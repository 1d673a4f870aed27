#include "ui/season/print/PrintTable.h"

#include "ui/season/print/TextMeasure.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Padding = 5; // on each side of a cell's text
constexpr double LongestName = 190;

// The text a cell shows: one line.
QString oneLine(const QString &text)
{
    if (!text.contains(u'\n'))
        return text;
    QString line = text;
    line.replace(u'\n', u' ');
    return line;
}

} // namespace

PrintTable::PrintTable(const ReportTable &table, double room, TextMeasure &measure)
    : m_caption(oneLine(table.caption))
    , m_hasCaption(!table.caption.isEmpty())
    , m_font(measure.font(false))
    , m_bold(measure.font(true))
{
    const QFontMetricsF &metrics = measure.metrics(false);
    m_row = std::ceil(metrics.height()) + 3;
    m_baseline = (m_row + metrics.ascent() - metrics.descent()) / 2;
    m_captionHeight = m_hasCaption ? m_row + 1 : 0;
    const std::size_t columns = table.columns.size();
    m_columns.assign(columns, 0);
    for (const ReportTable::Column &column : table.columns) {
        m_numbers.push_back(column.number);
        m_names.push_back(column.name);
    }
    const auto measureRow = [&](const ReportTable::Row &row, bool bold) {
        for (std::size_t i = 0; i < columns && i < row.size(); ++i)
            m_columns[i] = std::max(m_columns[i], measure.width(oneLine(row[i].text), bold));
    };
    ReportTable::Row header;
    for (const ReportTable::Column &column : table.columns)
        header.push_back({column.header, {}});
    measureRow(header, true);
    for (const ReportTable::Row &row : table.rows)
        measureRow(row, false);
    measureRow(table.totals, true);
    for (std::size_t i = 0; i < columns; ++i) {
        if (m_names[i])
            m_columns[i] = std::min(m_columns[i], LongestName);
        m_columns[i] += 2 * Padding;
        m_width += m_columns[i];
    }
    if (room > 0 && m_width > room)
        m_scale = room / m_width;
    m_header = place(header, true, measure);
    m_rows.reserve(table.rows.size());
    for (const ReportTable::Row &row : table.rows)
        m_rows.push_back(place(row, false, measure));
    if (!table.totals.empty())
        m_totals = place(table.totals, true, measure);
}

PrintTable::Row PrintTable::place(const ReportTable::Row &row, bool bold, TextMeasure &measure) const
{
    Row placed;
    placed.reserve(m_columns.size());
    double left = 0;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        Cell cell;
        cell.text = i < row.size() ? oneLine(row[i].text) : QString();
        const double room = m_columns[i] - 2 * Padding;
        double width = cell.text.isEmpty() ? 0 : measure.width(cell.text, bold);
        if (width > room + 0.5) {
            cell.text = measure.metrics(bold).elidedText(cell.text.left(400), Qt::ElideRight, room);
            width = measure.width(cell.text, bold);
        }
        cell.x = left + Padding + (m_numbers[i] ? room - width : 0);
        placed.push_back(std::move(cell));
        left += m_columns[i];
    }
    return placed;
}

double PrintTable::height(int first, int last, bool totals) const
{
    const int rows = std::max(0, last - first) + 1 + (totals && hasTotals() ? 1 : 0);
    return (m_captionHeight + m_row * rows) * m_scale;
}

void PrintTable::paint(QPainter &painter, QPointF at, int first, int last, bool totals, bool continued) const
{
    painter.save();
    painter.translate(at);
    painter.scale(m_scale, m_scale);
    double y = 0;
    if (m_hasCaption) {
        painter.setFont(m_bold);
        painter.setPen(Qt::black);
        const QString caption = continued ? QCoreApplication::translate("PrintTable", "%1 (continued)").arg(m_caption)
                                          : m_caption;
        painter.drawText(QPointF(0, m_baseline), QFontMetricsF(m_bold).elidedText(caption, Qt::ElideRight, m_width));
        y += m_captionHeight;
    }
    painter.fillRect(QRectF(0, y, m_width, m_row), QColor(0xe8, 0xe8, 0xe8));
    paintRow(painter, y, m_header, m_bold);
    y += m_row;
    const QPen rule(QColor(0x66, 0x66, 0x66), 0.8);
    const QPen line(QColor(0xcc, 0xcc, 0xcc), 0.5);
    painter.setPen(rule);
    painter.drawLine(QPointF(0, y), QPointF(m_width, y));
    for (int row = first; row < last && row < rowCount(); ++row) {
        paintRow(painter, y, m_rows[std::size_t(row)], m_font);
        y += m_row;
        painter.setPen(line);
        painter.drawLine(QPointF(0, y), QPointF(m_width, y));
    }
    if (totals && hasTotals()) {
        painter.setPen(rule);
        painter.drawLine(QPointF(0, y), QPointF(m_width, y));
        paintRow(painter, y, m_totals, m_bold);
    }
    painter.restore();
}

void PrintTable::paintRow(QPainter &painter, double y, const Row &row, const QFont &font) const
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const Cell &cell : row)
        if (!cell.text.isEmpty())
            painter.drawText(QPointF(cell.x, y + m_baseline), cell.text);
}
