#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

// The widths of texts in the book's two table fonts, each text measured once: a season's
// book sets the same few thousand names and numbers in thousands of tables.
class TextMeasure
{
public:
    TextMeasure(const QFont &font, const QFont &bold);

    const QFont &font(bool bold) const { return bold ? m_bold : m_font; }
    const QFontMetricsF &metrics(bool bold) const { return bold ? m_boldMetrics : m_metrics; }
    double width(const QString &text, bool bold);

private:
    QFont m_font, m_bold;
    QFontMetricsF m_metrics, m_boldMetrics;
    QHash<QString, double> m_widths, m_boldWidths;
};
