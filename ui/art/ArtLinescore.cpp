#include "ui/art/ArtDrawing.h"

#include "ui/art/Fonts.h"
#include "ui/art/SheetGrid.h"

#include <QPainter>

namespace Art::Drawing {

namespace {

namespace G = SheetGrid;

constexpr int x(int twips)
{
    return (twips - G::LinescorePicture.left) / 15;
}
constexpr int y(int twips)
{
    return (twips - G::LinescorePicture.top) / 15;
}

constexpr int NameRight = x(G::FirstInningLine); // the name column runs from column 0 to this line
constexpr int InningWidth = G::InningStep / 15;
constexpr int Innings = G::Innings;
// The doubled line before "R": the last inning column gives up a pixel to it.
constexpr int DoubleLine = x(G::LinescoreRuns.line);
constexpr int RunsRight = x(G::LinescoreHits.line);
constexpr int HitsRight = x(G::LinescoreRight);

constexpr int HeaderRule = y(G::LinescoreHeaderRule); // two pixels thick
constexpr int FirstRowBottom = y(G::LinescoreRows[1].line);
constexpr int SecondRowBottom = y(G::LinescoreBottom);

static_assert(x(G::LinescoreName.line) == 0 && y(G::LinescoreTopLine) == 0,
              "the linescore's grid starts at its corner");
static_assert(DoubleLine == NameRight + InningWidth * Innings - 1, "the last inning gives up one pixel to R's line");
static_assert((G::FirstInningLine - G::LinescorePicture.left) % 15 == 0 && G::InningStep % 15 == 0
                  && (G::LinescoreRuns.line - G::LinescorePicture.left) % 15 == 0
                  && (G::LinescoreHits.line - G::LinescorePicture.left) % 15 == 0
                  && (G::LinescoreRight - G::LinescorePicture.left) % 15 == 0
                  && (G::LinescoreHeaderRule - G::LinescorePicture.top) % 15 == 0
                  && (G::LinescoreRows[1].line - G::LinescorePicture.top) % 15 == 0
                  && (G::LinescoreBottom - G::LinescorePicture.top) % 15 == 0,
              "the linescore's lines fall on whole pixels");

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
