#include "ui/art/Art.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

#include <optional>

using Art::Picture;

Q_DECLARE_METATYPE(Art::Picture)

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(192, 192, 192);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Navy = qRgb(0, 0, 128);
const QRgb Green = qRgb(0, 128, 0);

// A picture rendered at a device pixel ratio, read back in logical pixels.
class Rendered
{
public:
    Rendered(Picture picture, int ratio)
        : m_ratio(ratio)
        , m_image(Art::pixmap(picture, ratio).toImage().convertToFormat(QImage::Format_ARGB32))
    {
    }

    // The colour of logical pixel x, y, only if all its device pixels agree: a 1-px line
    // smeared over a neighbour at ratio 2 reads as no colour at all.
    std::optional<QRgb> at(int x, int y) const
    {
        const QRgb first = m_image.pixel(x * m_ratio, y * m_ratio);
        for (int dy = 0; dy < m_ratio; ++dy)
            for (int dx = 0; dx < m_ratio; ++dx)
                if (m_image.pixel(x * m_ratio + dx, y * m_ratio + dy) != first)
                    return std::nullopt;
        return first;
    }

    const QImage &image() const { return m_image; }
    int ratio() const { return m_ratio; }

private:
    int m_ratio;
    QImage m_image;
};

QString describe(std::optional<QRgb> colour)
{
    if (!colour)
        return QStringLiteral("mixed");
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(qRed(*colour))
        .arg(qGreen(*colour))
        .arg(qBlue(*colour))
        .arg(qAlpha(*colour));
}

#define EXPECT_PIXEL(rendered, x, y, expected)                                                        \
    do {                                                                                              \
        const std::optional<QRgb> actual_ = (rendered).at((x), (y));                                  \
        if (actual_ != std::optional<QRgb>(expected))                                                 \
            QFAIL(qPrintable(QStringLiteral("pixel %1,%2 at ratio %3 is %4, expected %5")             \
                                 .arg(x)                                                              \
                                 .arg(y)                                                              \
                                 .arg((rendered).ratio())                                             \
                                 .arg(describe(actual_), describe(expected))));                       \
    } while (false)

// The rows (or columns) holding any pixel darker than mid-grey inside a logical rectangle.
QPair<int, int> inkRows(const Rendered &r, const QRect &area)
{
    int first = -1;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(r.image().pixel(x * r.ratio(), y * r.ratio())) < 128) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

QPair<int, int> inkColumns(const Rendered &r, const QRect &area)
{
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(r.image().pixel(x * r.ratio(), y * r.ratio())) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

void addRatios(const char *name, const std::function<void(QTestData &)> &rest)
{
    for (int ratio : {1, 2}) {
        QTestData &row = QTest::newRow(qPrintable(QStringLiteral("%1@%2").arg(QLatin1String(name)).arg(ratio)));
        row << ratio;
        rest(row);
    }
}

} // namespace

class tst_Art : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void naturalSize_data();
    void naturalSize();
    void dice_data();
    void dice();
    void boxes_data();
    void boxes();
    void boxHeadingsSitInTheirBands();
    void rollerTitleFillsItsRows_data();
    void rollerTitleFillsItsRows();
    void sheetGridColumns_data();
    void sheetGridColumns();
    void sheetGridRows_data();
    void sheetGridRows();
    void sheetCaptionColumn_data();
    void sheetCaptionColumn();
    void linescore_data();
    void linescore();
    void icon_data();
    void icon();
    void programIconSizes();
    void crispLines_data();
    void crispLines();
    void artPictureIsScenery();
    void fonts_data();
    void fonts();
    void fontsInstallOnce();
};

void tst_Art::initTestCase()
{
    Fonts::install();
}

void tst_Art::naturalSize_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    const QList<QPair<Picture, QSize>> table{
        {Picture::Icon, {32, 32}},          {Picture::HexRed, {31, 36}},        {Picture::HexNavy, {31, 36}},
        {Picture::HexGreen, {31, 36}},      {Picture::HexWhite, {31, 36}},      {Picture::DiamondRed, {36, 38}},
        {Picture::DiamondNavy, {36, 38}},   {Picture::RollerBoxes, {343, 309}}, {Picture::SheetBoxesTop, {327, 90}},
        {Picture::SheetBoxesMiddle, {329, 90}}, {Picture::SheetBoxesRuns, {321, 88}}, {Picture::Sheet, {730, 518}},
        {Picture::Linescore, {641, 60}},
    };
    int i = 0;
    for (const auto &[picture, size] : table)
        addRatios(qPrintable(QStringLiteral("picture%1").arg(i++)), [&](QTestData &row) { row << picture << size; });
}

// Every picture has its stated size in logical pixels, and ratio times that in device pixels.
void tst_Art::naturalSize()
{
    QFETCH(int, ratio);
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QCOMPARE(Art::naturalSize(picture), size);
    const QPixmap pixmap = Art::pixmap(picture, ratio);
    QCOMPARE(pixmap.size(), size * ratio);
    QCOMPARE(pixmap.devicePixelRatio(), qreal(ratio));
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
}

void tst_Art::dice_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QPoint>("edge");
    QTest::addColumn<QRect>("label");
    // Hexagon: vertical sides at columns 0-1 and 29-30, the label over its upper middle.
    const QRect hexLabel(4, 8, 23, 18);
    addRatios("hex red", [&](QTestData &r) { r << Picture::HexRed << Red << QPoint(15, 18) << QPoint(0, 18) << hexLabel; });
    addRatios("hex navy", [&](QTestData &r) { r << Picture::HexNavy << Navy << QPoint(15, 18) << QPoint(30, 18) << hexLabel; });
    addRatios("hex green", [&](QTestData &r) { r << Picture::HexGreen << Green << QPoint(15, 18) << QPoint(1, 20) << hexLabel; });
    addRatios("hex white", [&](QTestData &r) { r << Picture::HexWhite << White << QPoint(15, 18) << QPoint(29, 12) << hexLabel; });
    // Diamond: short vertical sides at rows 16-21, the label over its middle.
    const QRect diamondLabel(10, 11, 17, 14);
    addRatios("diamond red", [&](QTestData &r) { r << Picture::DiamondRed << Red << QPoint(18, 19) << QPoint(0, 19) << diamondLabel; });
    addRatios("diamond navy", [&](QTestData &r) { r << Picture::DiamondNavy << Navy << QPoint(18, 19) << QPoint(35, 18) << diamondLabel; });
}

// A die is its colour inside a black outline, white outside the shape, and the number label's
// place on it is plain fill.
void tst_Art::dice()
{
    QFETCH(int, ratio);
    QFETCH(Picture, picture);
    QFETCH(QRgb, fill);
    QFETCH(QPoint, centre);
    QFETCH(QPoint, edge);
    QFETCH(QRect, label);
    const Rendered r(picture, ratio);
    const QSize size = Art::naturalSize(picture);

    EXPECT_PIXEL(r, centre.x(), centre.y(), fill);
    EXPECT_PIXEL(r, edge.x(), edge.y(), Black);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                 QPoint(size.width() - 1, size.height() - 1)})
        EXPECT_PIXEL(r, corner.x(), corner.y(), White);
    // The tips touch the picture's top and bottom edge.
    QVERIFY(qGray(r.image().pixel(size.width() / 2 * ratio, 0)) < 128);
    QVERIFY(qGray(r.image().pixel(size.width() / 2 * ratio, size.height() * ratio - 1)) < 128);
    // Inset by a pixel: the label's own edge may meet the outline's antialiased fringe.
    const QRect inner = label.adjusted(1, 1, -1, -1);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            EXPECT_PIXEL(r, x, y, fill);
}

void tst_Art::boxes_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("band");
    addRatios("roller row 1", [](QTestData &r) { r << Picture::RollerBoxes << QList<int>{13, 123, 233} << 30 << 31; });
    addRatios("roller row 2", [](QTestData &r) { r << Picture::RollerBoxes << QList<int>{13, 123, 233} << 126 << 30; });
    addRatios("roller row 3", [](QTestData &r) { r << Picture::RollerBoxes << QList<int>{13, 123, 233} << 222 << 31; });
    addRatios("sheet top", [](QTestData &r) { r << Picture::SheetBoxesTop << QList<int>{9, 119, 229} << 4 << 31; });
    addRatios("sheet middle", [](QTestData &r) { r << Picture::SheetBoxesMiddle << QList<int>{12, 122, 232} << 6 << 30; });
    addRatios("sheet runs", [](QTestData &r) { r << Picture::SheetBoxesRuns << QList<int>{6, 116, 226} << 4 << 31; });
}

// Each box: black 1-px outline 89 wide, grey band under the top edge, 1-px black rule,
// white 47-px body; white around and between the boxes.
void tst_Art::boxes()
{
    QFETCH(int, ratio);
    QFETCH(Picture, picture);
    QFETCH(QList<int>, columns);
    QFETCH(int, top);
    QFETCH(int, band);
    const Rendered r(picture, ratio);
    const int rule = top + 1 + band;
    const int bottom = rule + 48;

    for (int left : columns) {
        const int right = left + 88;
        const int mid = left + 44;
        // Outline on all four sides, white just outside it.
        EXPECT_PIXEL(r, left, rule + 20, Black);
        EXPECT_PIXEL(r, right, rule + 20, Black);
        EXPECT_PIXEL(r, left, top + 3, Black);
        EXPECT_PIXEL(r, mid, top, Black);
        EXPECT_PIXEL(r, mid, bottom, Black);
        EXPECT_PIXEL(r, left - 1, rule + 20, White);
        EXPECT_PIXEL(r, right + 1, rule + 20, White);
        EXPECT_PIXEL(r, mid, top - 1, White);
        EXPECT_PIXEL(r, mid, bottom + 1, White);
        // Band: grey from the row under the top edge to the row over the rule, clear of the text.
        EXPECT_PIXEL(r, left + 1, top + 1, Grey);
        EXPECT_PIXEL(r, right - 1, top + 1, Grey);
        EXPECT_PIXEL(r, left + 2, rule - 1, Grey);
        EXPECT_PIXEL(r, right - 1, rule - 1, Grey);
        // The rule, one pixel high, then the white body down to the bottom edge.
        EXPECT_PIXEL(r, mid, rule, Black);
        EXPECT_PIXEL(r, left + 1, rule, Black);
        for (int y = rule + 1; y < bottom; ++y)
            EXPECT_PIXEL(r, mid, y, White);
        EXPECT_PIXEL(r, left + 1, bottom - 1, White);
        EXPECT_PIXEL(r, right - 1, rule + 1, White);
    }
    // Neighbours stand 110 px apart with 21 px of white between them.
    QCOMPARE(columns[1] - columns[0], 110);
    EXPECT_PIXEL(r, columns[0] + 99, rule, White);
    EXPECT_PIXEL(r, 0, 0, White);
}

// Box headings are dark text inside the grey band, centred across the box.
void tst_Art::boxHeadingsSitInTheirBands()
{
    const Rendered r(Picture::RollerBoxes, 1);
    const QList<QPair<int, int>> rows{{30, 31}, {126, 30}, {222, 31}};
    for (const auto &[top, band] : rows) {
        for (int left : {13, 123, 233}) {
            const QRect inside(left + 1, top + 1, 87, band);
            const auto [firstRow, lastRow] = inkRows(r, inside);
            const auto [firstColumn, lastColumn] = inkColumns(r, inside);
            QVERIFY2(firstRow >= 0, "no heading text");
            QVERIFY(firstRow > top + 1 && lastRow < top + band);
            const int leftMargin = firstColumn - inside.left();
            const int rightMargin = inside.right() - lastColumn;
            QVERIFY2(qAbs(leftMargin - rightMargin) <= 3,
                     qPrintable(QStringLiteral("box at %1,%2: margins %3 and %4").arg(left).arg(top).arg(leftMargin).arg(rightMargin)));
            // Top and bottom margins agree too (within the slack of a descender).
            QVERIFY(qAbs((firstRow - inside.top()) - (inside.bottom() - lastRow)) <= 4);
        }
    }
    // One-word headings: capitals about 14 px high.
    const auto [first, last] = inkRows(r, QRect(14, 31, 87, 31)); // WHO
    QVERIFY2(qAbs((last - first + 1) - 14) <= 1, qPrintable(QString::number(last - first + 1)));
}

void tst_Art::rollerTitleFillsItsRows_data()
{
    QTest::addColumn<int>("ratio");
    addRatios("title", [](QTestData &) {});
}

// "QUORVEL ROLLER" stands centred over the boxes, its capitals in pixel rows 9 to 18.
void tst_Art::rollerTitleFillsItsRows()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::RollerBoxes, ratio);
    const QRect above(0, 0, 343, 30);
    const auto [left, right] = inkColumns(r, above);
    QVERIFY(qAbs(left - (342 - right)) <= 2);
    // Measured past the "Q", whose tail hangs below the line.
    const auto [first, last] = inkRows(r, QRect(left + 14, 0, 343 - left - 14, 30));
    QCOMPARE(first, 9);
    QCOMPARE(last, 18);
}

void tst_Art::sheetGridColumns_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("column");
    for (int column : {54, 172, 204, 237, 269, 301, 334, 366, 413, 531, 563, 596, 628, 660, 693, 725}) {
        for (int ratio : {1, 2})
            QTest::addRow("x=%d@%d", column, ratio) << ratio << column;
    }
}

// The sheet's vertical lines stand at their listed columns through both sections, white beside them.
void tst_Art::sheetGridColumns()
{
    QFETCH(int, ratio);
    QFETCH(int, column);
    const Rendered r(Picture::Sheet, ratio);
    // Inside batting rows 1 and 10 and pitching rows 2 and 14, and in both header bands.
    for (int y : {5, 20, 47, 200, 260, 300, 505, 513}) {
        EXPECT_PIXEL(r, column, y, Black);
        if (y != 5 && y != 513) {
            EXPECT_PIXEL(r, column - 1, y, White);
            if (column != 725)
                EXPECT_PIXEL(r, column + 1, y, White);
        }
    }
    EXPECT_PIXEL(r, column, 4, White);
    EXPECT_PIXEL(r, column, 514, White);
}

void tst_Art::sheetGridRows_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("row");
    for (int row : {5, 39, 56, 73, 90, 107, 124, 141, 158, 175, 192, 209, 225, 242, 276, 293, 309, 326, 343, 360,
                    377, 394, 411, 428, 445, 462, 479, 496, 513}) {
        for (int ratio : {1, 2})
            QTest::addRow("y=%d@%d", row, ratio) << ratio << row;
    }
}

// The sheet's horizontal lines stand at their listed rows across the name and statistics
// columns of both halves, white beside them.
void tst_Art::sheetGridRows()
{
    QFETCH(int, ratio);
    QFETCH(int, row);
    const Rendered r(Picture::Sheet, ratio);
    // Sample the middle of each cell in both halves, clear of the heading texts.
    for (int x : {55, 100, 171, 173, 203, 365, 414, 470, 530, 532, 724}) {
        EXPECT_PIXEL(r, x, row, Black);
        if (row != 5)
            EXPECT_PIXEL(r, x, row - 1, White);
        if (row != 513)
            EXPECT_PIXEL(r, x, row + 1, White);
    }
}

void tst_Art::sheetCaptionColumn_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("half");
    for (int half : {0, 359}) {
        for (int ratio : {1, 2})
            QTest::addRow("%s@%d", half ? "right" : "left", ratio) << ratio << half;
    }
}

// The caption column is open except for the framed runs and hits totals (rows 9 and 12),
// and its printed need counters are red zeros.
void tst_Art::sheetCaptionColumn()
{
    QFETCH(int, ratio);
    QFETCH(int, half);
    const Rendered r(Picture::Sheet, ratio);
    const int left = 7 + half;
    const int inside = 10 + half; // clear of the captions' text
    // Framed cells: rows 175..192 and 225..242.
    for (int y : {176, 184, 191, 226, 234, 241})
        EXPECT_PIXEL(r, left, y, Black);
    for (int y : {175, 192, 225, 242})
        EXPECT_PIXEL(r, inside, y, Black);
    EXPECT_PIXEL(r, left - 1, 184, White);
    EXPECT_PIXEL(r, left + 1, 184, White);
    // No lines elsewhere in the caption column: not at the batting or pitching row lines.
    for (int y : {5, 39, 56, 73, 90, 107, 124, 141, 158, 209, 276, 293, 513})
        EXPECT_PIXEL(r, inside, y, White);
    if (half == 0) { // the right half's caption column starts at the left half's last line
        for (int y : {20, 100, 160, 300, 500})
            EXPECT_PIXEL(r, left, y, White);
    }
    // Red zeros under "NEED" / "H+RBI" (row 1) and "NEED" / "H" (row 5).
    for (int row : {40, 107}) {
        bool red = false;
        for (int y = row; y < row + 17 && !red; ++y)
            for (int x = left + 1; x < left + 47 && !red; ++x) {
                const QRgb p = r.image().pixel(x * ratio, y * ratio);
                red = qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
            }
        QVERIFY2(red, qPrintable(QStringLiteral("no red zero in the row from %1").arg(row)));
    }
}

void tst_Art::linescore_data()
{
    QTest::addColumn<int>("ratio");
    addRatios("linescore", [](QTestData &) {});
}

// The linescore: 2-px header rule at rows 17-18, row lines at 36 and 54, inning columns
// 32 px apart, a 2-px line before "R", and no frame over the name column.
void tst_Art::linescore()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::Linescore, ratio);
    for (int x : {1, 64, 127, 129, 300, 577, 607, 639}) {
        EXPECT_PIXEL(r, x, 16, x < 128 ? White : r.at(x, 16).value_or(0));
        EXPECT_PIXEL(r, x, 17, Black);
        EXPECT_PIXEL(r, x, 18, Black);
        EXPECT_PIXEL(r, x, 19, White);
        EXPECT_PIXEL(r, x, 35, White);
        EXPECT_PIXEL(r, x, 36, Black);
        EXPECT_PIXEL(r, x, 37, White);
        EXPECT_PIXEL(r, x, 53, White);
        EXPECT_PIXEL(r, x, 54, Black);
        EXPECT_PIXEL(r, x, 55, White);
    }
    // Verticals through the header and both rows.
    QList<int> lines{128, 608, 640};
    for (int i = 1; i < 14; ++i)
        lines << 128 + 32 * i;
    for (int x : lines) {
        for (int y : {0, 8, 27, 45, 54}) {
            EXPECT_PIXEL(r, x, y, Black);
            if (y != 0 && y != 54) {
                EXPECT_PIXEL(r, x - 1, y, White);
                if (x != 640)
                    EXPECT_PIXEL(r, x + 1, y, White);
            }
        }
    }
    for (int y : {8, 27, 45}) {
        EXPECT_PIXEL(r, 574, y, White);
        EXPECT_PIXEL(r, 575, y, Black);
        EXPECT_PIXEL(r, 576, y, Black);
        EXPECT_PIXEL(r, 577, y, White);
    }
    // The name column: framed in the two rows, blank and open above them.
    EXPECT_PIXEL(r, 0, 27, Black);
    EXPECT_PIXEL(r, 0, 8, White);
    EXPECT_PIXEL(r, 64, 0, White);
    EXPECT_PIXEL(r, 64, 8, White);
    EXPECT_PIXEL(r, 127, 0, White);
}

void tst_Art::icon_data()
{
    QTest::addColumn<int>("ratio");
    addRatios("icon", [](QTestData &) {});
}

// The icon: a ball on a transparent ground, brighter at the upper left, red stitching at the lower right.
void tst_Art::icon()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::Icon, ratio);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(r.image().pixel(corner * ratio)), 0);
    QCOMPARE(qAlpha(r.image().pixel(QPoint(16, 16) * ratio)), 255);

    bool red = false;
    for (int y = 16 * ratio; y < 32 * ratio && !red; ++y)
        for (int x = 16 * ratio; x < 32 * ratio && !red; ++x) {
            const QRgb p = r.image().pixel(x, y);
            red = qAlpha(p) == 255 && qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
        }
    QVERIFY(red);
    // No red in the upper left quadrant.
    for (int y = 0; y < 16 * ratio; ++y)
        for (int x = 0; x < 16 * ratio; ++x) {
            const QRgb p = r.image().pixel(x, y);
            QVERIFY(qRed(p) - qGreen(p) < 40);
        }
    const int lit = qGray(r.image().pixel(QPoint(10, 10) * ratio));
    const int shaded = qGray(r.image().pixel(QPoint(24, 12) * ratio));
    QVERIFY2(lit > 240, qPrintable(QString::number(lit)));
    QVERIFY(shaded < lit);
}

// The program's icon carries a drawing for each common size, all with transparent corners.
void tst_Art::programIconSizes()
{
    const QIcon icon = Art::programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

void tst_Art::crispLines_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QPoint>("onLine");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("thickness");
    QTest::newRow("sheet column 54") << Picture::Sheet << QPoint(54, 300) << true << 1;
    QTest::newRow("sheet row 293") << Picture::Sheet << QPoint(100, 293) << false << 1;
    QTest::newRow("box left edge") << Picture::RollerBoxes << QPoint(123, 80) << true << 1;
    QTest::newRow("box bottom edge") << Picture::SheetBoxesMiddle << QPoint(150, 85) << false << 1;
    QTest::newRow("linescore header rule") << Picture::Linescore << QPoint(300, 17) << false << 2;
    QTest::newRow("linescore line before R") << Picture::Linescore << QPoint(575, 27) << true << 2;
}

// At ratio 2 a line of n logical pixels covers exactly 2n device pixels, black, with white on both sides.
void tst_Art::crispLines()
{
    QFETCH(Picture, picture);
    QFETCH(QPoint, onLine);
    QFETCH(bool, vertical);
    QFETCH(int, thickness);
    const QImage image = Art::pixmap(picture, 2).toImage();
    const QPoint step = vertical ? QPoint(1, 0) : QPoint(0, 1);
    const QPoint start = onLine * 2;
    QCOMPARE(image.pixel(start - step), White);
    for (int i = 0; i < thickness * 2; ++i)
        QCOMPARE(image.pixel(start + step * i), Black);
    QCOMPARE(image.pixel(start + step * thickness * 2), White);
}

// An ArtPicture is fixed at its picture's size, takes no focus or clicks, and shows the picture.
void tst_Art::artPictureIsScenery()
{
    ArtPicture picture(Picture::SheetBoxesTop);
    QCOMPARE(picture.picture(), Picture::SheetBoxesTop);
    QCOMPARE(picture.sizeHint(), QSize(327, 90));
    QCOMPARE(picture.size(), QSize(327, 90));
    QCOMPARE(picture.minimumSize(), QSize(327, 90));
    QCOMPARE(picture.maximumSize(), QSize(327, 90));
    QCOMPARE(picture.focusPolicy(), Qt::NoFocus);
    QVERIFY(picture.testAttribute(Qt::WA_TransparentForMouseEvents));

    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = Art::pixmap(Picture::SheetBoxesTop).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, drawn);
}

void tst_Art::fonts_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<int>("pixels");
    QTest::newRow("8.25") << 8.25 << false << false << 11;
    QTest::newRow("8.25 bold") << 8.25 << true << false << 11;
    QTest::newRow("9.75 bold underlined") << 9.75 << true << true << 13;
    QTest::newRow("12 bold underlined") << 12.0 << true << true << 16;
    QTest::newRow("8") << 8.0 << false << false << 11;
}

// Fonts come from the bundled family at the pixel size of their points at 96 dpi.
void tst_Art::fonts()
{
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(int, pixels);
    const QFont font = Fonts::font(points, bold, underline);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(font.family(), Fonts::family());
    const QFontInfo info(font);
    QCOMPARE(info.family(), Fonts::family());
    QCOMPARE(info.bold(), bold);
}

// Installing registers "Liberation Sans" from the bundle once; repeating it changes nothing.
void tst_Art::fontsInstallOnce()
{
    QCOMPARE(Fonts::family(), QStringLiteral("Liberation Sans"));
    QVERIFY(QFontDatabase::families().contains(Fonts::family()));
    QVERIFY(QFontDatabase::styles(Fonts::family()).contains(QStringLiteral("Bold")));
    const QStringList before = QFontDatabase::families();
    Fonts::install();
    Fonts::install();
    QCOMPARE(QFontDatabase::families(), before);
    QCOMPARE(Fonts::family(), QStringLiteral("Liberation Sans"));
}

QTEST_MAIN(tst_Art)
#include "tst_art.moc"
