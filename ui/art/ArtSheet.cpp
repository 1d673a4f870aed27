#include "ui/art/ArtDrawing.h"

#include "ui/art/Fonts.h"
#include "ui/art/SheetGrid.h"

#include <QPainter>
#include <QStringList>

#include <array>

namespace Art::Drawing {

namespace {

namespace G = SheetGrid;

// The grid's lines in the picture's own pixels.
constexpr int x(int twips)
{
    return (twips - G::SheetPicture.left) / 15;
}
constexpr int y(int twips)
{
    return (twips - G::SheetPicture.top) / 15;
}

template <std::size_t N> constexpr bool onWholePixels(const std::array<G::Row, N> &rows)
{
    for (const G::Row &row : rows)
        if ((row.line - G::SheetPicture.top) % 15 != 0)
            return false;
    return true;
}
constexpr bool columnsOnWholePixels()
{
    for (const G::Column &column : G::Columns)
        if ((column.line - G::SheetPicture.left) % 15 != 0)
            return false;
    return G::GridRight % 15 == 0 && G::HalfOffset % 15 == 0;
}
static_assert(onWholePixels(G::BattingRows) && onWholePixels(G::InningRows) && columnsOnWholePixels(),
              "grid lines fall on whole pixels of the picture");

constexpr int HalfOffset = G::HalfOffset / 15;
constexpr int CaptionLeft = x(G::Columns[G::CaptionColumn].line);
constexpr int CaptionRight = x(G::Columns[G::NameColumn].line);
constexpr int GridRight = x(G::GridRight);
constexpr int BattingTop = y(G::BattingHeaderLine);
constexpr int InningTop = y(G::InningHeaderLine);
constexpr int GridBottom = y(G::GridBottom);

// The line above row r (1-based) and the one below it.
template <std::size_t N> int lineAbove(const std::array<G::Row, N> &rows, int row)
{
    return y(rows[std::size_t(row - 1)].line);
}
int battingTop(int row)
{
    return lineAbove(G::BattingRows, row);
}
int battingBottom(int row)
{
    return row == int(G::BattingRows.size()) ? InningTop : lineAbove(G::BattingRows, row + 1);
}
int inningTop(int row)
{
    return lineAbove(G::InningRows, row);
}
int inningBottom(int row)
{
    return row == int(G::InningRows.size()) ? GridBottom : lineAbove(G::InningRows, row + 1);
}
// The left line of statistics column c (0 for H), and its right line.
int statisticsLeft(int c)
{
    return x(G::Columns[std::size_t(c + 2)].line);
}
int statisticsRight(int c)
{
    return c + 3 < int(G::Columns.size()) ? x(G::Columns[std::size_t(c + 3)].line) : GridRight;
}

const std::array<const char *, 6> BattingHeadings{"H", "RBI", "2B", "3B", "HR", "SB"};
const std::array<const char *, 6> PitchingHeadings{"R", "ER", "H", "K", "BB", "*"};

// The inside of the cell between two vertical and two horizontal lines.
QRect cell(int leftLine, int rightLine, int topLine, int bottomLine)
{
    return QRect(leftLine + 1, topLine + 1, rightLine - leftLine - 1, bottomLine - topLine - 1);
}

void paintGrid(QPainter &painter, int dx)
{
    const int gridLeft = CaptionRight + dx;
    const int gridRight = GridRight + dx;

    // Horizontal lines over the name and statistics columns, both sections.
    hline(painter, gridLeft, gridRight, BattingTop);
    for (int row = 1; row <= int(G::BattingRows.size()); ++row)
        hline(painter, gridLeft, gridRight, battingTop(row));
    hline(painter, gridLeft, gridRight, InningTop);
    for (int row = 1; row <= int(G::InningRows.size()); ++row)
        hline(painter, gridLeft, gridRight, inningTop(row));
    hline(painter, gridLeft, gridRight, GridBottom);

    // Vertical lines from the top of the batting header to the last inning line. The
    // caption column's left line stands only beside the two framed total cells.
    for (std::size_t i = G::NameColumn; i < G::Columns.size(); ++i)
        vline(painter, x(G::Columns[i].line) + dx, BattingTop, GridBottom);
    vline(painter, GridRight + dx, BattingTop, GridBottom);

    for (int row : G::FramedCaptionRows) {
        const int top = battingTop(row);
        const int bottom = battingBottom(row);
        hline(painter, CaptionLeft + dx, gridLeft, top);
        hline(painter, CaptionLeft + dx, gridLeft, bottom);
        vline(painter, CaptionLeft + dx, top, bottom);
    }
}

void paintHalfTexts(QPainter &painter, int dx)
{
    const QFont heading = Fonts::font(9.75, true, true);
    const QFont pitchingHeading = Fonts::font(9.75, true);
    const QFont caption = Fonts::font(8.25);
    const QFont captionBold = Fonts::font(9.75, true);
    const QFont zero = Fonts::font(9.75);
    const QFont rowNumber = Fonts::font(8.25, true);

    // Column headings over the statistics columns.
    for (int i = 0; i < 6; ++i) {
        const int left = statisticsLeft(i) + dx;
        const int right = statisticsRight(i) + dx;
        centredText(painter, cell(left, right, BattingTop, battingTop(1)), QString::fromLatin1(BattingHeadings[i]),
                    heading);
        centredText(painter, cell(left, right, InningTop, inningTop(1)), QString::fromLatin1(PitchingHeadings[i]),
                    pitchingHeading);
    }

    // The caption column: the two need counters' captions over their red zeros, the runs
    // and hits captions over their framed totals, and the pitching row numbers.
    const int left = CaptionLeft + dx;
    const int right = CaptionRight + dx;
    centredLines(painter, cell(left, right, BattingTop, battingTop(1)), {"NEED", "H+RBI"}, caption);
    centredText(painter, cell(left, right, battingTop(1), battingBottom(1)), QStringLiteral("0"), zero, Red);
    centredLines(painter, cell(left, right, battingTop(3), battingBottom(4)), {"NEED", "H"}, caption);
    centredText(painter, cell(left, right, battingTop(5), battingBottom(5)), QStringLiteral("0"), zero, Red);
    centredText(painter, cell(left, right, battingTop(8), battingBottom(8)), QStringLiteral("RUNS"), captionBold);
    centredText(painter, cell(left, right, battingTop(10), battingBottom(11)), QStringLiteral("HITS"), captionBold);

    centredText(painter, cell(left, right, InningTop, inningTop(1)), QStringLiteral("INN"), captionBold);
    for (int row = 1; row <= int(G::InningRows.size()); ++row)
        centredText(painter, cell(left, right, inningTop(row), inningBottom(row)), QString::number(row), rowNumber);
}

} // namespace

void paintSheet(QPainter &painter, QSize size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), White);
    for (int dx : {0, HalfOffset}) {
        paintGrid(painter, dx);
        paintHalfTexts(painter, dx);
    }
    painter.restore();
}

} // namespace Art::Drawing
