#include "ui/art/ArtDrawing.h"

#include "ui/art/Fonts.h"

#include <QPainter>
#include <QStringList>

#include <array>

namespace Art::Drawing {

namespace {

constexpr int BoxWidth = 89;

struct Heading
{
    QStringList lines;
    bool small; // the RUNS headings, in 8-point type
};

struct BoxRow
{
    std::array<int, 3> columns;
    int top;
    int bandHeight; // 31, or 30 in the HITS, K, W row
    std::array<Heading, 3> headings;
};

BoxRow whoRow(std::array<int, 3> columns, int top)
{
    return {columns, top, 31, {{{{"WHO"}, false}, {{"SCORE"}, false}, {{"WHERE"}, false}}}};
}

BoxRow hitsRow(std::array<int, 3> columns, int top)
{
    return {columns, top, 30, {{{{"HITS"}, false}, {{"K"}, false}, {{"W"}, false}}}};
}

BoxRow runsRow(std::array<int, 3> columns, int top)
{
    return {columns,
            top,
            31,
            {{{{"RUNS 1st roll /", "releiver"}, true}, {{"RUNS Roll Again"}, true}, {{"RUNS unearned"}, true}}}};
}

// One box: 1-px outline, grey heading band, 1-px rule, 47-px white body.
void paintBox(QPainter &painter, int left, int top, int bandHeight, const Heading &heading)
{
    const int height = 1 + bandHeight + 1 + 47 + 1;
    const int right = left + BoxWidth - 1;
    const int bottom = top + height - 1;

    painter.fillRect(QRect(left, top, BoxWidth, height), White);
    painter.fillRect(QRect(left + 1, top + 1, BoxWidth - 2, bandHeight), Grey);
    hline(painter, left, right, top);
    hline(painter, left, right, top + 1 + bandHeight);
    hline(painter, left, right, bottom);
    vline(painter, left, top, bottom);
    vline(painter, right, top, bottom);

    const QRect band(left + 1, top + 1, BoxWidth - 2, bandHeight);
    if (heading.small) {
        QFont font = Fonts::font(8);
        for (const QString &line : heading.lines)
            font = fitted(font, line, band.width() - 2);
        centredLines(painter, band, heading.lines, font);
    } else {
        centredLines(painter, band, heading.lines, Fonts::font(14));
    }
}

void paintRow(QPainter &painter, const BoxRow &row)
{
    for (int i = 0; i < 3; ++i)
        paintBox(painter, row.columns[i], row.top, row.bandHeight, row.headings[i]);
}

} // namespace

void paintBoxes(QPainter &painter, QSize size, BoxSet set)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), White);
    switch (set) {
    case BoxSet::Roller: {
        // Title capitals fill pixel rows 9 to 18.
        centredText(painter, QRect(0, 9, size.width(), 10), QStringLiteral("QUORVEL ROLLER"), Fonts::font(10.5, true));
        const std::array<int, 3> columns{13, 123, 233};
        paintRow(painter, whoRow(columns, 30));
        paintRow(painter, hitsRow(columns, 126));
        paintRow(painter, runsRow(columns, 222));
        break;
    }
    case BoxSet::Top:
        paintRow(painter, whoRow({9, 119, 229}, 4));
        break;
    case BoxSet::Middle:
        paintRow(painter, hitsRow({12, 122, 232}, 6));
        break;
    case BoxSet::Runs:
        paintRow(painter, runsRow({6, 116, 226}, 4));
        break;
    }
    painter.restore();
}

} // namespace Art::Drawing
