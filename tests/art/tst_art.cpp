#include "ui/art/Art.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"
#include "ui/art/SheetGrid.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QtTest>

using Art::Picture;
Q_DECLARE_METATYPE(Art::Picture)

namespace {

// A picture rendered at a device pixel ratio, read back in logical pixels.
class Rendered
{
public:
    Rendered(Picture picture, int ratio)
        : ratio(ratio)
        , image(Art::pixmap(picture, ratio).toImage().convertToFormat(QImage::Format_ARGB32))
    {
    }

    // The colour of a logical pixel by name, "mixed" unless all its device pixels agree:
    // a 1-px line smeared over a neighbour at ratio 2 reads as no colour at all.
    QString at(int x, int y) const
    {
        const QRgb first = device(x * ratio, y * ratio);
        for (int dy = 0; dy < ratio; ++dy)
            for (int dx = 0; dx < ratio; ++dx)
                if (device(x * ratio + dx, y * ratio + dy) != first)
                    return QStringLiteral("mixed");
        static const QHash<QRgb, QString> names{{qRgb(0, 0, 0), "black"},      {qRgb(255, 255, 255), "white"},
                                                {qRgb(192, 192, 192), "grey"}, {qRgb(255, 0, 0), "red"},
                                                {qRgb(0, 0, 128), "navy"},     {qRgb(0, 128, 0), "green"}};
        return names.value(first, QString::number(first, 16));
    }

    QRgb device(int x, int y) const { return image.pixel(x, y); }

    // Bounding box, in logical pixels, of the pixels darker than mid-grey inside an area.
    QRect ink(QRect area) const
    {
        area &= QRect(QPoint(0, 0), image.size() / ratio);
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(device(x * ratio, y * ratio)) < 128)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    // Whether any pixel of an area is a strong red.
    bool hasRed(const QRect &area) const
    {
        for (int y = area.top() * ratio; y <= area.bottom() * ratio; ++y)
            for (int x = area.left() * ratio; x <= area.right() * ratio; ++x) {
                const QRgb p = device(x, y);
                if (qAlpha(p) == 255 && qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90)
                    return true;
            }
        return false;
    }

    const int ratio;
    const QImage image;
};

#define EXPECT_AT(rendered, x, y, colour)                                                                              \
    QVERIFY2((rendered).at((x), (y)) == QString(colour),                                                               \
             qPrintable(                                                                                               \
                 QStringLiteral("%1,%2 is %3, not %4").arg(x).arg(y).arg((rendered).at((x), (y)), QString(colour))))

void ratioRows(const char *name)
{
    QTest::addColumn<int>("ratio");
    QTest::addRow("%s@1", name) << 1;
    QTest::addRow("%s@2", name) << 2;
}

} // namespace

class tst_Art : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }

    // Every picture has its stated size, in logical pixels and times the ratio in device pixels.
    void naturalSize_data();
    void naturalSize();
    // A die: its colour in the middle and under its number label, a black outline, white outside.
    void dice_data();
    void dice();
    // Every box of every picture: 1-px black outline, grey band, 1-px rule, 47-px white body, white around.
    void boxes_data();
    void boxes();
    // Headings sit centred in their bands; the roller title's capitals fill rows 9 to 18.
    void headings_data() { ratioRows("roller"); }
    void headings();
    // The sheet's lines stand where the grid table says, crisp and white beside them; the
    // caption column is open but for the two framed totals and shows red zeros.
    void sheet_data() { ratioRows("sheet"); }
    void sheet();
    // The linescore's lines stand where the grid table says: a 2-px header rule, the rows, the
    // inning columns and a 2-px line before "R".
    void linescore_data() { ratioRows("linescore"); }
    void linescore();
    // The icon: a ball on transparent ground, lit at the upper left, red stitching at the lower right.
    void icon_data() { ratioRows("icon"); }
    void icon();
    // At ratio 2 a line of n logical pixels is exactly 2n black device pixels with white either side.
    void crispLines_data();
    void crispLines();
    // An ArtPicture has its picture's fixed size, takes no focus or clicks, and shows the picture.
    void artPictureIsScenery();
    // Rendered at twice the ratio it is as sharp as the artwork drawn there, and part of it at a time the
    // same; into a recording (as printing does) it draws lines, not a copied image.
    void artPictureAtAnyRatio();
    // Fonts come from the bundled family at the pixel size of their points at 96 dpi.
    void fonts_data();
    void fonts();
    // The faces and their licence travel inside the program; installing registers "Liberation Sans"
    // with its bold face, and repeating it changes nothing.
    void fontsInstallOnce();
};

void tst_Art::naturalSize_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << Picture::Icon << QSize(32, 32);
    for (Picture hex : {Picture::HexRed, Picture::HexNavy, Picture::HexGreen, Picture::HexWhite})
        QTest::addRow("hexagon %d", int(hex)) << hex << QSize(31, 36);
    for (Picture diamond : {Picture::DiamondRed, Picture::DiamondNavy})
        QTest::addRow("diamond %d", int(diamond)) << diamond << QSize(36, 38);
    QTest::newRow("roller") << Picture::RollerBoxes << QSize(343, 309);
    QTest::newRow("sheet top") << Picture::SheetBoxesTop << QSize(327, 90);
    QTest::newRow("sheet middle") << Picture::SheetBoxesMiddle << QSize(329, 90);
    QTest::newRow("sheet runs") << Picture::SheetBoxesRuns << QSize(321, 88);
    QTest::newRow("sheet") << Picture::Sheet << QSize(730, 518);
    QTest::newRow("linescore") << Picture::Linescore << QSize(641, 60);
}

void tst_Art::naturalSize()
{
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QCOMPARE(Art::naturalSize(picture), size);
    for (int ratio : {1, 2}) {
        const QPixmap pixmap = Art::pixmap(picture, ratio);
        QCOMPARE(pixmap.size(), size * ratio);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    }
}

void tst_Art::dice_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<QPoint>("edge");
    QTest::addColumn<QRect>("label"); // where the number label lies over the die
    const QRect hexLabel(4, 8, 23, 18);
    const QRect diamondLabel(9, 11, 17, 14);
    for (int ratio : {1, 2}) {
        QTest::addRow("hex red@%d", ratio) << ratio << Picture::HexRed << "red" << QPoint(0, 18) << hexLabel;
        QTest::addRow("hex navy@%d", ratio) << ratio << Picture::HexNavy << "navy" << QPoint(30, 18) << hexLabel;
        QTest::addRow("hex green@%d", ratio) << ratio << Picture::HexGreen << "green" << QPoint(1, 27) << hexLabel;
        QTest::addRow("hex white@%d", ratio) << ratio << Picture::HexWhite << "white" << QPoint(29, 9) << hexLabel;
        QTest::addRow("diamond red@%d", ratio)
            << ratio << Picture::DiamondRed << "red" << QPoint(0, 19) << diamondLabel;
        QTest::addRow("diamond navy@%d", ratio)
            << ratio << Picture::DiamondNavy << "navy" << QPoint(35, 17) << diamondLabel;
    }
}

void tst_Art::dice()
{
    QFETCH(int, ratio);
    QFETCH(Picture, picture);
    QFETCH(QString, fill);
    QFETCH(QPoint, edge);
    QFETCH(QRect, label);
    const Rendered r(picture, ratio);
    const QSize size = Art::naturalSize(picture);
    EXPECT_AT(r, size.width() / 2, size.height() / 2, fill);
    EXPECT_AT(r, edge.x(), edge.y(), "black");
    EXPECT_AT(r, 0, 0, "white");
    EXPECT_AT(r, size.width() - 1, size.height() - 1, "white");
    // The tips reach the picture's top and bottom rows.
    QVERIFY(r.ink(QRect(0, 0, size.width(), 1)).isValid());
    QVERIFY(r.ink(QRect(0, size.height() - 1, size.width(), 1)).isValid());
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            EXPECT_AT(r, x, y, fill);
}

void tst_Art::boxes_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("band");
    const QList<int> roller{13, 123, 233};
    for (int ratio : {1, 2}) {
        QTest::addRow("roller WHO@%d", ratio) << ratio << Picture::RollerBoxes << roller << 30 << 31;
        QTest::addRow("roller HITS@%d", ratio) << ratio << Picture::RollerBoxes << roller << 126 << 30;
        QTest::addRow("roller RUNS@%d", ratio) << ratio << Picture::RollerBoxes << roller << 222 << 31;
        QTest::addRow("sheet top@%d", ratio) << ratio << Picture::SheetBoxesTop << QList<int>{9, 119, 229} << 4 << 31;
        QTest::addRow("sheet middle@%d", ratio)
            << ratio << Picture::SheetBoxesMiddle << QList<int>{12, 122, 232} << 6 << 30;
        QTest::addRow("sheet runs@%d", ratio) << ratio << Picture::SheetBoxesRuns << QList<int>{6, 116, 226} << 4 << 31;
    }
}

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
        for (int y : {top, top + 5, rule + 20, bottom}) {
            EXPECT_AT(r, left, y, "black");
            EXPECT_AT(r, right, y, "black");
            EXPECT_AT(r, left - 1, y, "white");
            EXPECT_AT(r, right + 1, y, "white");
        }
        EXPECT_AT(r, mid, top, "black");
        EXPECT_AT(r, mid, top - 1, "white");
        for (const QPoint &corner : {QPoint(left + 1, top + 1), QPoint(right - 1, top + 1), QPoint(left + 1, rule - 1),
                                     QPoint(right - 1, rule - 1)})
            EXPECT_AT(r, corner.x(), corner.y(), "grey");
        EXPECT_AT(r, left + 1, rule, "black");
        EXPECT_AT(r, mid, rule, "black");
        for (int y = rule + 1; y < bottom; ++y)
            EXPECT_AT(r, mid, y, "white");
        EXPECT_AT(r, mid, bottom, "black");
        EXPECT_AT(r, mid, bottom + 1, "white");
    }
    // 21 px of white between neighbours.
    EXPECT_AT(r, columns[0] + 99, rule, "white");
}

void tst_Art::headings()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::RollerBoxes, ratio);
    for (const auto &[top, band] : QList<QPair<int, int>>{{30, 31}, {126, 30}, {222, 31}}) {
        for (int left : {13, 123, 233}) {
            const QRect inside(left + 1, top + 1, 87, band);
            const QRect ink = r.ink(inside);
            QVERIFY(inside.adjusted(1, 1, -1, -1).contains(ink));
            const QString where = QStringLiteral("box %1,%2: ink %3,%4 %5x%6")
                                      .arg(left)
                                      .arg(top)
                                      .arg(ink.x())
                                      .arg(ink.y())
                                      .arg(ink.width())
                                      .arg(ink.height());
            QVERIFY2(qAbs((ink.left() - inside.left()) - (inside.right() - ink.right())) <= 2, qPrintable(where));
            // Centred on the capitals: descenders may take a little more room below.
            QVERIFY2(qAbs((ink.top() - inside.top()) - (inside.bottom() - ink.bottom())) <= 4, qPrintable(where));
        }
    }
    // One-word headings are capitals about 14 px high ("WHO").
    QVERIFY(qAbs(r.ink(QRect(14, 31, 87, 31)).height() - 14) <= 1);
    // The title, measured past the "Q" whose tail hangs below the line.
    const QRect title = r.ink(QRect(0, 0, 343, 30));
    QVERIFY(qAbs(title.left() - (342 - title.right())) <= 2);
    const QRect capitals = r.ink(QRect(title.left() + 14, 0, 300, 30));
    QCOMPARE(capitals.top(), 9);
    QCOMPARE(capitals.bottom(), 18);
}

namespace {
namespace G = SheetGrid;

// The table's lines in a picture's own pixels.
int sheetX(int twips)
{
    return (twips - G::SheetPicture.left) / 15;
}
int sheetY(int twips)
{
    return (twips - G::SheetPicture.top) / 15;
}
int linescoreX(int twips)
{
    return (twips - G::LinescorePicture.left) / 15;
}
int linescoreY(int twips)
{
    return (twips - G::LinescorePicture.top) / 15;
}
} // namespace

void tst_Art::sheet()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::Sheet, ratio);
    const int half = G::HalfOffset / 15;
    QList<int> columns;
    for (int dx : {0, half}) {
        for (std::size_t c = G::NameColumn; c < G::Columns.size(); ++c)
            columns << sheetX(G::Columns[c].line) + dx;
        columns << sheetX(G::GridRight) + dx;
    }
    QList<int> rows{sheetY(G::BattingHeaderLine), sheetY(G::InningHeaderLine), sheetY(G::GridBottom)};
    for (const G::Row &row : G::BattingRows)
        rows << sheetY(row.line);
    for (const G::Row &row : G::InningRows)
        rows << sheetY(row.line);
    const int top = rows.first();
    const int bottom = sheetY(G::GridBottom);
    const int right = columns.last();
    // Vertical lines from the batting header to the last inning line, white beside them.
    for (int x : columns) {
        for (int y : {top, top + 15, sheetY(G::BattingRows[4].top), bottom - 8, bottom})
            EXPECT_AT(r, x, y, "black");
        for (int y : {top + 15, sheetY(G::BattingRows[4].top), sheetY(G::InningRows[6].top), bottom - 8}) {
            EXPECT_AT(r, x - 1, y, "white");
            if (x != right)
                EXPECT_AT(r, x + 1, y, "white");
        }
        EXPECT_AT(r, x, top - 1, "white");
        EXPECT_AT(r, x, bottom + 1, "white");
    }
    // Horizontal lines across the name and statistics columns of both halves, white above and below.
    for (int y : rows) {
        for (int x : {columns.at(0) + 1, columns.at(1) - 1, columns.at(1) + 1, right - 1}) {
            EXPECT_AT(r, x, y, "black");
            if (y != top)
                EXPECT_AT(r, x, y - 1, "white");
            if (y != bottom)
                EXPECT_AT(r, x, y + 1, "white");
        }
    }
    const auto battingTop = [](int row) { return sheetY(G::BattingRows[std::size_t(row - 1)].line); };
    const auto battingBottom = [&](int row) {
        return row == int(G::BattingRows.size()) ? sheetY(G::InningHeaderLine) : battingTop(row + 1);
    };
    for (int dx : {0, half}) {
        const int left = sheetX(G::Columns[G::CaptionColumn].line) + dx;
        const int inside = left + 3; // clear of the captions' text
        // The caption column is framed beside the two totals only.
        for (int row : G::FramedCaptionRows) {
            for (int y = battingTop(row); y <= battingBottom(row); y += 4)
                EXPECT_AT(r, left, y, "black");
            EXPECT_AT(r, inside, battingTop(row), "black");
            EXPECT_AT(r, inside, battingBottom(row), "black");
        }
        for (int row : {1, 2, 3, 4, 5, 6, 7, 8})
            EXPECT_AT(r, inside, battingTop(row), "white");
        for (const G::Row &row : G::InningRows)
            EXPECT_AT(r, inside, sheetY(row.line), "white");
        if (dx == 0) { // on the right, the caption column's left edge is the left half's last line
            for (int y : {top + 15, sheetY(G::InningRows[0].top), bottom - 8})
                EXPECT_AT(r, left, y, "white");
        }
        // Red zeros in batting rows 1 and 5, under the "NEED" captions; none elsewhere.
        const auto rowArea = [&](int first, int last) {
            return QRect(left + 1, battingTop(first) + 1, 46, battingBottom(last) - battingTop(first) - 1);
        };
        QVERIFY(r.hasRed(rowArea(1, 1)));
        QVERIFY(r.hasRed(rowArea(5, 5)));
        QVERIFY(!r.hasRed(rowArea(2, 4)));
    }
}

void tst_Art::linescore()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::Linescore, ratio);
    const int headerRule = linescoreY(G::LinescoreHeaderRule);
    const int middle = linescoreY(G::LinescoreRows[1].line);
    const int bottom = linescoreY(G::LinescoreBottom);
    const int doubled = linescoreX(G::LinescoreRuns.line);
    const int right = linescoreX(G::LinescoreRight);
    // The header rule is two pixels thick; the rows are closed by single lines.
    for (int x : {1, linescoreX(G::FirstInningLine) - 1, linescoreX(G::FirstInningLine) + 1, doubled + 2, right - 1}) {
        for (int y : {headerRule, headerRule + 1, middle, bottom})
            EXPECT_AT(r, x, y, "black");
        for (int y : {headerRule + 2, middle - 1, middle + 1, bottom - 1})
            EXPECT_AT(r, x, y, "white");
    }
    QList<int> lines{linescoreX(G::LinescoreHits.line), right};
    for (int i = 0; i < G::Innings; ++i)
        lines << linescoreX(G::FirstInningLine + G::InningStep * i);
    const int rowOne = (headerRule + middle) / 2;
    const int rowTwo = (middle + bottom) / 2;
    for (int x : lines) {
        for (int y : {0, headerRule / 2, rowOne, rowTwo, bottom})
            EXPECT_AT(r, x, y, "black");
        for (int y : {headerRule / 2, rowOne, rowTwo}) {
            EXPECT_AT(r, x - 1, y, "white");
            if (x != right)
                EXPECT_AT(r, x + 1, y, "white");
        }
    }
    // The line before R is two pixels thick: the last inning gives up one to it.
    for (int y : {headerRule / 2, rowOne, rowTwo}) {
        EXPECT_AT(r, doubled - 1, y, "white");
        EXPECT_AT(r, doubled, y, "black");
        EXPECT_AT(r, doubled + 1, y, "black");
        EXPECT_AT(r, doubled + 2, y, "white");
    }
    // The name column is framed in its two rows but blank and open above them.
    EXPECT_AT(r, 0, rowOne, "black");
    QVERIFY(!r.ink(QRect(0, 0, linescoreX(G::FirstInningLine), headerRule)).isValid());
}

void tst_Art::icon()
{
    QFETCH(int, ratio);
    const Rendered r(Picture::Icon, ratio);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(qAlpha(r.device(corner.x() * ratio, corner.y() * ratio)), 0);
    QVERIFY(r.hasRed(QRect(16, 16, 16, 16)));
    QVERIFY(!r.hasRed(QRect(0, 0, 16, 16)));
    const int lit = qGray(r.device(10 * ratio, 10 * ratio));
    QVERIFY2(lit > 240, qPrintable(QString::number(lit)));
    QVERIFY(qGray(r.device(24 * ratio, 12 * ratio)) < lit);

    // The program's icon carries its own drawing for each common size, and draws a
    // larger one when asked rather than scaling up a small one.
    const QIcon icon = Art::programIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QVERIFY(size > 128 || icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image, Art::iconImage(size).convertToFormat(image.format()));
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

void tst_Art::crispLines()
{
    QFETCH(Picture, picture);
    QFETCH(QPoint, onLine);
    QFETCH(bool, vertical);
    QFETCH(int, thickness);
    const QImage image = Art::pixmap(picture, 2).toImage();
    const QPoint step = vertical ? QPoint(1, 0) : QPoint(0, 1);
    const QPoint start = onLine * 2;
    QCOMPARE(image.pixel(start - step), qRgb(255, 255, 255));
    for (int i = 0; i < thickness * 2; ++i)
        QCOMPARE(image.pixel(start + step * i), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(start + step * thickness * 2), qRgb(255, 255, 255));
}

void tst_Art::artPictureIsScenery()
{
    ArtPicture picture(Picture::SheetBoxesTop);
    QCOMPARE(picture.picture(), Picture::SheetBoxesTop);
    QCOMPARE(picture.sizeHint(), QSize(327, 90));
    QCOMPARE(picture.minimumSize(), QSize(327, 90));
    QCOMPARE(picture.maximumSize(), QSize(327, 90));
    QCOMPARE(picture.focusPolicy(), Qt::NoFocus);
    QVERIFY(picture.testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, Art::pixmap(Picture::SheetBoxesTop).toImage().convertToFormat(QImage::Format_RGB32));
}

void tst_Art::artPictureAtAnyRatio()
{
    ArtPicture picture(Picture::Sheet);
    const QImage expected = Art::pixmap(Picture::Sheet, 2.0).toImage().convertToFormat(QImage::Format_RGB32);
    QPixmap whole(picture.size() * 2);
    whole.setDevicePixelRatio(2.0);
    whole.fill(Qt::white);
    picture.render(&whole);
    QCOMPARE(whole.toImage().convertToFormat(QImage::Format_RGB32), expected);

    // One cell's worth at a time, as a repaint under a field asks for it.
    QPixmap pieces(picture.size() * 2);
    pieces.setDevicePixelRatio(2.0);
    pieces.fill(Qt::white);
    for (int y = 0; y < picture.height(); y += 97)
        for (int x = 0; x < picture.width(); x += 113)
            picture.render(&pieces, QPoint(x, y), QRegion(x, y, 113, 97));
    QCOMPARE(pieces.toImage().convertToFormat(QImage::Format_RGB32), expected);

    QPicture recording;
    QPainter painter(&recording);
    picture.render(&painter);
    painter.end();
    QImage replayed(picture.size() * 4, QImage::Format_RGB32);
    replayed.fill(Qt::white);
    QPainter scaled(&replayed);
    scaled.setRenderHint(QPainter::SmoothPixmapTransform);
    scaled.scale(4, 4);
    scaled.drawPicture(0, 0, recording);
    scaled.end();
    // A copied bitmap would be blurred or blocky at four times; drawn lines stay one grey-free edge.
    int grey = 0;
    for (int x = 0; x < replayed.width(); ++x) {
        const int g = qGray(replayed.pixel(x, replayed.height() / 2));
        if (g > 40 && g < 215)
            ++grey;
    }
    QVERIFY2(grey < replayed.width() / 50, qPrintable(QString::number(grey)));
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
}

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
    const QFontInfo info(font);
    QCOMPARE(info.family(), Fonts::family());
    QCOMPARE(info.bold(), bold);
}

void tst_Art::fontsInstallOnce()
{
    for (const char *file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LICENSE-LiberationSans.txt"})
        QVERIFY2(QFile::exists(QStringLiteral(":/fonts/") + QLatin1String(file)), file);
    QCOMPARE(Fonts::family(), QStringLiteral("Liberation Sans"));
    QVERIFY(QFontDatabase::styles(Fonts::family()).contains(QStringLiteral("Bold")));
    const QStringList before = QFontDatabase::families();
    Fonts::install();
    QCOMPARE(QFontDatabase::families(), before);
    QCOMPARE(Fonts::family(), QStringLiteral("Liberation Sans"));
}

QTEST_MAIN(tst_Art)
#include "tst_art.moc"
