#include "ui/art/ArtDrawing.h"

#include "ui/art/Fonts.h"

#include <QPainter>
#include <QStringList>

#include <array>

namespace Art::Drawing {

namespace {

// The right half is the left half moved right by this much.
constexpr int HalfOffset = 359;

// Vertical lines of the left half: caption column, name column, six statistics columns.
constexpr std::array<int, 9> Columns{7, 54, 172, 204, 237, 269, 301, 334, 366};
constexpr int CaptionLeft = 7;
constexpr int CaptionRight = 54;
constexpr int GridRight = 366;

// Batting: header band from row 5, twelve rows closed by these lines.
constexpr int BattingTop = 5;
constexpr std::array<int, 13> BattingLines{39, 56, 73, 90, 107, 124, 141, 158, 175, 192, 209, 225, 242};
// Pitching: header band from the last batting line, fourteen rows closed by these lines.
constexpr std::array<int, 15> PitchingLines{276, 293, 309, 326, 343, 360, 377, 394, 411, 428, 445, 462, 479, 496, 513};

const std::array<const char *, 6> BattingHeadings{"H", "RBI", "2B", "3B", "HR", "SB"};
const std::array<const char *, 6> PitchingHeadings{"R", "ER", "H", "K", "BB", "*"};

// The inside of the cell between two vertical and two horizontal lines.
QRect cell(int leftLine, int rightLine, int topLine, int bottomLine)
{
    return QRect(leftLine + 1, topLine + 1, rightLine - leftLine - 1, bottomLine - topLine - 1);
}

// Batting row r (1..12) lies between these lines.
int battingTop(int row)
{
    return BattingLines[row - 1];
}
int battingBottom(int row)
{
    return BattingLines[row];
}

void paintGrid(QPainter &painter, int dx)
{
    const int gridLeft = CaptionRight + dx;
    const int gridRight = GridRight + dx;

    // Horizontal lines over the name and statistics columns, both sections.
    hline(painter, gridLeft, gridRight, BattingTop);
    for (int y : BattingLines)
        hline(painter, gridLeft, gridRight, y);
    for (int y : PitchingLines)
        hline(painter, gridLeft, gridRight, y);

    // Vertical lines from the top of the batting header to the last pitching line. The
    // caption column's left line stands only beside the two framed total cells.
    for (std::size_t i = 1; i < Columns.size(); ++i)
        vline(painter, Columns[i] + dx, BattingTop, PitchingLines.back());

    // The framed cells of the runs total (row 9) and the hits total (row 12).
    for (int row : {9, 12}) {
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
        const int left = Columns[i + 2] + dx;
        const int right = Columns[i + 3] + dx;
        centredText(painter, cell(left, right, BattingTop, BattingLines.front()),
                    QString::fromLatin1(BattingHeadings[i]), heading);
        centredText(painter, cell(left, right, BattingLines.back(), PitchingLines.front()),
                    QString::fromLatin1(PitchingHeadings[i]), pitchingHeading);
    }

    // The caption column: the two need counters' captions over their red zeros, the runs
    // and hits captions over their framed totals, and the pitching row numbers.
    const int left = CaptionLeft + dx;
    const int right = CaptionRight + dx;
    centredLines(painter, cell(left, right, BattingTop, BattingLines.front()), {"NEED", "H+RBI"}, caption);
    centredText(painter, cell(left, right, battingTop(1), battingBottom(1)), QStringLiteral("0"), zero, Red);
    centredLines(painter, cell(left, right, battingTop(3), battingBottom(4)), {"NEED", "H"}, caption);
    centredText(painter, cell(left, right, battingTop(5), battingBottom(5)), QStringLiteral("0"), zero, Red);
    centredText(painter, cell(left, right, battingTop(8), battingBottom(8)), QStringLiteral("RUNS"), captionBold);
    centredText(painter, cell(left, right, battingTop(10), battingBottom(11)), QStringLiteral("HITS"), captionBold);

    centredText(painter, cell(left, right, BattingLines.back(), PitchingLines.front()), QStringLiteral("INN"),
                captionBold);
    for (int row = 1; row <= 14; ++row) {
        centredText(painter, cell(left, right, PitchingLines[row - 1], PitchingLines[row]), QString::number(row),
                    rowNumber);
    }
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
