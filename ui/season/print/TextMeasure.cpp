#include "ui/season/print/TextMeasure.h"

TextMeasure::TextMeasure(const QFont &font, const QFont &bold)
    : m_font(font)
    , m_bold(bold)
    , m_metrics(font)
    , m_boldMetrics(bold)
{
}

double TextMeasure::width(const QString &text, bool bold)
{
    QHash<QString, double> &widths = bold ? m_boldWidths : m_widths;
    const auto found = widths.constFind(text);
    if (found != widths.constEnd())
        return *found;
    // A pasted page in a name is measured by its start: it is cut to its column anyway.
    const double width = metrics(bold).horizontalAdvance(text.left(400));
    widths.insert(text, width);
    return width;
}
