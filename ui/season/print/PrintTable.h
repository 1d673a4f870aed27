#pragma once

#include "season/ReportTable.h"

#include <QFont>
#include <QPointF>

#include <vector>

class QPainter;
class TextMeasure;

// A table of the season's report as it goes on paper: measured once in logical pixels
// with the bundled fonts, painted a slice of rows at a time so that a long table runs on
// over pages (its caption and header again on each). A table wider than the room it is
// given is drawn smaller as a whole; names too long for their column end in "…".
class PrintTable
{
public:
    PrintTable(const ReportTable &table, double room, TextMeasure &measure);

    int rowCount() const { return int(m_rows.size()); }
    bool hasTotals() const { return !m_totals.empty(); }
    double width() const { return m_width * m_scale; }
    // The height of rows first..last-1 with the caption and header above them and, when
    // totals is true, the totals row below.
    double height(int first, int last, bool totals) const;
    // Draws that slice with its top-left corner at at; continued marks the caption as a
    // table begun on an earlier page.
    void paint(QPainter &painter, QPointF at, int first, int last, bool totals, bool continued) const;

private:
    // A cell as it is drawn: its text (cut to its column) and where it starts in the row.
    struct Cell
    {
        QString text;
        double x = 0;
    };
    using Row = std::vector<Cell>;

    Row place(const ReportTable::Row &row, bool bold, TextMeasure &measure) const;
    void paintRow(QPainter &painter, double y, const Row &row, const QFont &font) const;

    QString m_caption;
    bool m_hasCaption = false;
    QFont m_font, m_bold;
    std::vector<double> m_columns; // widths, unscaled
    std::vector<bool> m_numbers;
    std::vector<bool> m_names;
    Row m_header;
    std::vector<Row> m_rows;
    Row m_totals;
    double m_width = 0;
    double m_scale = 1;
    double m_row = 0;
    double m_baseline = 0; // from a row's top
    double m_captionHeight = 0;
};
