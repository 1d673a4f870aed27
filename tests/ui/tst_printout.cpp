#include "services/QtPrinter.h"
#include "support/PrintingWindow.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/ScoresheetPage.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// The smallest rectangle holding every dark pixel.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (isInk(line[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}
} // namespace

// The printout read back from the PDF the program writes, as a printer's raster would see it.
class TestPrintout : public QObject
{
    Q_OBJECT

private:
    QtPrinter m_pdf;
    PrintingWindow m_open;
    QTemporaryDir m_dir;

    template <typename T = QWidget> T *find(const QString &name) const { return m_open.window->findChild<T *>(name); }
    void type(const QString &name, const QString &keys)
    {
        auto *edit = find<QLineEdit>(name);
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }

    // Exports the window's page as a PDF and reads it back at dpi dots per inch.
    QImage exported(const QString &name, int dpi)
    {
        const QString pdf = m_dir.filePath(name + QStringLiteral(".pdf"));
        m_open.ctx->dialogs.pdfAnswer = pdf;
        find<QAction>(QStringLiteral("mnuExportPdf"))->trigger();
        if (!m_open.ctx->prompter.messages.isEmpty())
            qWarning("%s", qPrintable(m_open.ctx->prompter.messages.join(u'\n')));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                                    QStringLiteral("-singlefile"), pdf, m_dir.filePath(name)});
        if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
            return {};
        return QImage(m_dir.filePath(name + QStringLiteral(".png"))).convertToFormat(QImage::Format_RGB32);
    }

    // Where a point of the page (logical pixels) lands in a raster of it: the raster's
    // ink and the page drawn at its own size are matched by their ink boxes.
    struct PageOnPaper
    {
        QRect pageInk;
        QRect paperInk;
        double scale() const { return double(paperInk.width()) / pageInk.width(); }
        QPointF at(QPointF p) const { return QPointF(paperInk.topLeft()) + (p - QPointF(pageInk.topLeft())) * scale(); }
        QRect at(const QRect &r) const { return QRectF(at(QPointF(r.topLeft())), r.size() * scale()).toRect(); }
    };
    PageOnPaper placed(const QImage &paper) const
    {
        const ScoresheetPage page(*find("Frame1")->parentWidget(), *find("Frame1"));
        return {inkBox(FakePrinter::render(page)), inkBox(paper)};
    }

private Q_SLOTS:
    void initTestCase()
    {
        applyAppearance(*qApp);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: the PDF cannot be read back");
        QVERIFY(m_dir.isValid());
    }

    void init() { QVERIFY(m_open.open(m_pdf)); }
    void cleanup() { m_open.close(); }

    // At 300 dpi the sheet's grid lines are drawn, not enlarged pixels: each edge goes from paper to ink within one
    // device pixel, and a line is as thick as one sheet pixel on paper; nothing on the page is a picture.
    void linesAreSharp()
    {
        const QImage paper = exported(QStringLiteral("lines"), 300);
        QVERIFY(!paper.isNull());
        const PageOnPaper where = placed(paper);
        QVERIFY2(where.scale() > 2.5, qPrintable(QString::number(where.scale())));
        // The vertical line between the caption and the name column, halfway down the batting rows.
        const QPointF line = where.at(QPointF(54.5, 150));
        const int y = qRound(line.y());
        const auto *row = reinterpret_cast<const QRgb *>(paper.constScanLine(y));
        int dark = 0;
        int between = 0;
        for (int x = qRound(line.x() - 2 * where.scale()); x <= qRound(line.x() + 2 * where.scale()); ++x) {
            const int grey = qGray(row[x]);
            dark += grey < 64;
            between += grey >= 64 && grey < 192;
        }
        QVERIFY2(dark >= qFloor(where.scale()) - 1 && dark <= qCeil(where.scale()) + 1,
                 qPrintable(QString::number(dark)));
        QVERIFY2(between <= 2, qPrintable(QString::number(between)));
        QFile pdf(m_dir.filePath(QStringLiteral("lines.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(!pdf.readAll().contains("/Subtype /Image"));
    }

    // The need counters print in their red, and what they count is what prints over the sheet's own red zero.
    void countersPrintRed()
    {
        type(QStringLiteral("txtHitPA_1"), QStringLiteral("3"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("txtNeedHA"))->text(), QStringLiteral("3"));
        const QImage paper = exported(QStringLiteral("red"), 150);
        QVERIFY(!paper.isNull());
        const PageOnPaper where = placed(paper);
        QWidget *counter = find(QStringLiteral("txtNeedHA"));
        const QRect cell = where.at(QRect(counter->mapTo(find("Frame1")->parentWidget(), QPoint()), counter->size()));
        const QImage digits = paper.copy(cell);
        int red = 0;
        for (int y = 0; y < digits.height(); ++y)
            for (int x = 0; x < digits.width(); ++x)
                red += isRed(digits.pixel(x, y));
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
        // The sheet's printed zero is covered: the cell's middle, inside a "0", is ink for a "3".
        const QPoint middle = cell.center();
        bool inkAcross = false;
        for (int dx = -1; dx <= 1; ++dx)
            inkAcross = inkAcross || isRed(paper.pixel(middle + QPoint(dx, 0)));
        QVERIFY(inkAcross);
    }

    // The focused field's caret stays off the page: no upright stroke as tall as a line of text stands in it.
    void noCaret()
    {
        type(QStringLiteral("txtTeamA"), QStringLiteral("Alvarez"));
        QVERIFY(find("txtTeamA")->hasFocus());
        const QImage paper = exported(QStringLiteral("caret"), 300);
        QVERIFY(!paper.isNull());
        const PageOnPaper where = placed(paper);
        QWidget *team = find(QStringLiteral("txtTeamA"));
        const QRect cell = where.at(team->geometry());
        const int lineHeight = qRound(team->fontMetrics().height() * where.scale() * 0.9);
        for (int x = cell.left(); x <= cell.right(); ++x) {
            int run = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                run = isInk(paper.pixel(x, y)) ? run + 1 : 0;
                QVERIFY2(run < lineHeight, qPrintable(QStringLiteral("a caret at x=%1").arg(x)));
            }
        }
        // The name itself is printed.
        QVERIFY(!inkBox(paper.copy(cell)).isEmpty());
    }

    // A maximized window puts the very same page on paper as a window at its designed size.
    void samePageMaximized()
    {
        type(QStringLiteral("txtTeamA"), QStringLiteral("Cats"));
        const QImage normal = exported(QStringLiteral("normal"), 100);
        m_open.window->showMaximized();
        QTRY_VERIFY(m_open.window->width() > 734);
        const QImage maximized = exported(QStringLiteral("maximized"), 100);
        QVERIFY(!normal.isNull());
        QCOMPARE(maximized, normal);
    }
};

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
