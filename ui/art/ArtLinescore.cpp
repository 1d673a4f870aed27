#include "ui/art/ArtDrawing.h"

#include "ui/art/Fonts.h"

#include <QPainter>

namespace Art::Drawing {

namespace {

constexpr int NameRight = 128; // the name column runs from column 0 to this line
constexpr int InningWidth = 32;
constexpr int Innings = 14;
// The doubled line before "R": the last inning column gives up a pixel to it.
constexpr int DoubleLine = NameRight + InningWidth * Innings - 1; // 575 and 576
constexpr int RunsRight = 608;
constexpr int HitsRight = 640;

constexpr int HeaderRule = 17; // two pixels: rows 17 and 18
constexpr int FirstRowBottom = 36;
constexpr int SecondRowBottom = 54;

} // namespace

void paintLinescore(QPainter &painter, QSize size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), White);

    // The header cells are framed from the first inning on; the one over the names is not.
    hline(painter, NameRight, HitsRight, 0);
    hline(painter, 0, HitsRight, HeaderRule, 2);
    hline(painter, 0, HitsRight, FirstRowBottom);
    hline(painter, 0, HitsRight, SecondRowBottom);

    vline(painter, 0, HeaderRule, SecondRowBottom);
    for (int i = 0; i < Innings; ++i)
        vline(painter, NameRight + InningWidth * i, 0, SecondRowBottom);
    vline(painter, DoubleLine, 0, SecondRowBottom, 2);
    vline(painter, RunsRight, 0, SecondRowBottom);
    vline(painter, HitsRight, 0, SecondRowBottom);

    const QFont heading = Fonts::font(9.75, true, true);
    for (int i = 0; i < Innings; ++i) {
        const int left = NameRight + InningWidth * i + 1;
        const int right = i == Innings - 1 ? DoubleLine : NameRight + InningWidth * (i + 1);
        centredText(painter, QRect(left, 1, right - left, HeaderRule - 1), QString::number(i + 1), heading);
    }
    centredText(painter, QRect(DoubleLine + 2, 1, RunsRight - DoubleLine - 2, HeaderRule - 1), QStringLiteral("R"),
                heading);
    centredText(painter, QRect(RunsRight + 1, 1, HitsRight - RunsRight - 1, HeaderRule - 1), QStringLiteral("H"),
                heading);
    painter.restore();
}

} // namespace Art::Drawing
