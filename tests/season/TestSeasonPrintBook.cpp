#include "GameBuilder.h"
#include "ReportSeason.h"
#include "SeasonRead.h"
#include "season/BoxScore.h"
#include "season/TeamSeason.h"
#include "services/PageRenderer.h"
#include "services/QtPrinter.h"
#include "support/Fakes.h"
#include "ui/art/Fonts.h"
#include "ui/season/print/BookLayout.h"
#include "ui/season/print/BookPage.h"
#include "ui/season/print/BoxScorePage.h"
#include "ui/season/print/PrintTable.h"
#include "ui/season/print/SeasonPrintBook.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Quoted = QStringLiteral("The \"Quote\" & <Angle> Bros");
const QString Accents = QStringLiteral("Ren\u00E9e M\u00FCller-O'Brien");
const QString Hebrew = QStringLiteral("\u05D4\u05E4\u05D5\u05E2\u05DC");

// A poppler tool's output (pdftotext, pdfinfo); empty when it is missing or fails.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &file)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(poppler(QStringLiteral("pdfinfo"), {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of a PDF (or of its pages first..last), blanks made single spaces, without the
// marks of direction pdftotext puts around right-to-left words.
QString pdfText(const QString &file, int first = 0, int last = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l") << QString::number(last);
    return poppler(QStringLiteral("pdftotext"), arguments << file << QStringLiteral("-"))
        .replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "))
        .remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
}

bool hasPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

ReportTable longTable(int rows)
{
    ReportTable table;
    table.caption = QStringLiteral("Results");
    table.kind = QStringLiteral("results");
    table.columns = {{QStringLiteral("Game"), false, false}, {QStringLiteral("R"), true, false}};
    for (int row = 0; row < rows; ++row)
        table.rows.push_back({{QStringLiteral("Game %1").arg(row + 1), {}}, {QString::number(row), {}}});
    table.totals = {{QStringLiteral("Totals"), {}}, {QString::number(rows), {}}};
    return table;
}

} // namespace

class TestSeasonPrintBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Fonts::install();
        QVERIFY(m_season.isValid());
        writeReportSeason(m_season.path());
        GameBuilder hostile(Quoted, Hebrew, QDate(2024, 4, 6));
        hostile.hitter(Side::Away, 1, Accents, 2, 1, 1).quietInnings(Side::Away, 1, 9, QStringLiteral("Ohr"));
        hostile.quietInnings(Side::Home, 1, 8, QStringLiteral("A & B <c>")).inning(Side::Home, 1, {}, 1, 1, 1);
        hostile.save(m_season.path(), QStringLiteral("hostile.quorvel"));
        m_figures = readSeason(m_season.path());
        QCOMPARE(m_figures.games.size(), 6u);
    }

    // The book goes into a PDF of as many pages as it laid out, each numbered "page N of M",
    // and its text reads back: the standings, the leaders, each team's part on pages of its
    // own, every box score with its decisions.
    void bookPdf();
    // Names with quotes, angle brackets, ampersands and accents are printed as typed.
    void hostileNames();
    // A box score on a page of its own, as the window prints it: its lines read back from the
    // PDF, and drawn on a plain image it is not blank.
    void boxScorePage();
    // A table longer than a page runs on: every row on exactly one page, in order, the caption
    // and header again under "(continued)", the totals once at the end, nothing below the footer.
    void longTableRunsOn_data();
    void longTableRunsOn();
    // A box score never starts on one page and ends on the next.
    void boxScoresStayWhole();
    // Several pages render as several sheets of paper through the page renderer.
    void renderPages();
    // No game, one team, no final game: a short book, never a crash.
    void emptyStates_data();
    void emptyStates();
    // A PDF that cannot be written fails with a sentence naming the file.
    void unwritableFile();

private:
    QTemporaryDir m_season;
    QTemporaryDir m_out;
    SeasonFigures m_figures;
};

void TestSeasonPrintBook::bookPdf()
{
    if (!hasPoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed: the PDF is not read back");
    const SeasonPrintBook book(m_figures);
    const QString file = QDir(m_out.path()).filePath(QStringLiteral("book.pdf"));
    QtPrinter printer;
    QString error;
    QVERIFY2(book.writePdf(printer, file, &error), qPrintable(error));
    const int pages = int(book.pages().size());
    // Standings, leaders, a part for each of the five teams, the box scores.
    QVERIFY2(pages >= 8, qPrintable(QString::number(pages)));
    QCOMPARE(pdfPages(file), pages);
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(pdfText(file, page, page).contains(QStringLiteral("page %1 of %2").arg(page).arg(pages)),
                 qPrintable(QString::number(page)));
    const QString first = pdfText(file, 1, 1);
    QVERIFY(first.contains(QStringLiteral("Standings")));
    QVERIFY2(first.contains(QStringLiteral("Bats 3 2 0 1 1.000 0.0")), qPrintable(first));
    QVERIFY2(first.contains(QStringLiteral("Owls 4 2 1 1 0.667 0.5")), qPrintable(first));
    const QString text = pdfText(file);
    for (const QString &expected :
         {QStringLiteral("Leaders"), QStringLiteral("Hitting streaks"), QStringLiteral("Earned run average"),
          QStringLiteral("Runs by inning"), QStringLiteral("Against each opponent"), QStringLiteral("Owls 2, Bats 4"),
          QStringLiteral("Reed (W)"), QStringLiteral("Lowe (S)"), QStringLiteral("Ace (L)"),
          QStringLiteral("2B: Ito (1); HR: Jay (1); SB: Kim (1)"),
          QStringLiteral("Notes: Rain delay & a \"long\" <night>")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    // Each team's part starts a page: its name heads one.
    for (const QString &team : m_figures.teams) {
        bool heads = false;
        for (int page = 1; page <= pages && !heads; ++page)
            heads = pdfText(file, page, page).trimmed().startsWith(team);
        QVERIFY2(heads, qPrintable(team));
    }
}

void TestSeasonPrintBook::hostileNames()
{
    if (!hasPoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed: the PDF is not read back");
    const QString file = QDir(m_out.path()).filePath(QStringLiteral("hostile.pdf"));
    QtPrinter printer;
    QString error;
    QVERIFY2(SeasonPrintBook(m_figures).writePdf(printer, file, &error), qPrintable(error));
    const QString text = pdfText(file);
    for (const QString &name : {Quoted, Accents, QStringLiteral("A & B <c>")})
        QVERIFY2(text.contains(name), qPrintable(name));
    // Right to left: the letters are there, in whichever order the extraction gives them.
    QString reversed = Hebrew;
    std::reverse(reversed.begin(), reversed.end());
    QVERIFY2(text.contains(Hebrew) || text.contains(reversed), qPrintable(text.left(2000)));
}

void TestSeasonPrintBook::boxScorePage()
{
    const BoxScore box = BoxScore::fromSeason(m_figures, 0);
    const BoxScorePage page(box);
    QCOMPARE(page.size(), QSize(BookPage::Width, BookPage::Height));
    const QImage image = FakePrinter::render(page);
    int inked = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    QVERIFY2(inked > 500, qPrintable(QString::number(inked)));

    if (!hasPoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed: the PDF is not read back");
    const QString file = QDir(m_out.path()).filePath(QStringLiteral("box.pdf"));
    QtPrinter printer;
    QString error;
    QVERIFY2(printer.writePdf(page, file, &error), qPrintable(error));
    QCOMPARE(pdfPages(file), 1);
    const QString text = pdfText(file);
    for (const QString &line :
         {QStringLiteral("Owls 2, Bats 4"), QStringLiteral("2024-04-01, game 1, regular season, final"),
          QStringLiteral("Owls 0 1 0 0 0 0 1 0 0 2 4"), QStringLiteral("Bats 3 0 0 0 1 0 0 0 x 4 5"),
          QStringLiteral("Totals 4 2 1 0 1 1"), QStringLiteral("Reed (W) 7 4 2 1 1 1")})
        QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral("\n") + text));
}

void TestSeasonPrintBook::longTableRunsOn_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("empty") << 0;
    QTest::newRow("one page") << 20;
    QTest::newRow("three pages") << 150;
    QTest::newRow("a season of games") << 170;
}

void TestSeasonPrintBook::longTableRunsOn()
{
    QFETCH(int, rows);
    BookLayout layout(QStringLiteral("footer"));
    layout.heading(QStringLiteral("A team"));
    layout.table(longTable(rows));
    const std::vector<std::unique_ptr<BookPage>> pages = layout.takePages();
    int next = 0;
    int totals = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const BookPage::TableSlice &slice : pages[p]->tables()) {
            QCOMPARE(slice.first, next);
            QCOMPARE(slice.continued, next > 0);
            QVERIFY(slice.last > slice.first || rows == 0);
            next = slice.last;
            totals += slice.totals ? 1 : 0;
            QVERIFY(slice.at.y() + slice.table->height(slice.first, slice.last, slice.totals) <= BookPage::Height - 16);
        }
    }
    QCOMPARE(next, rows);
    QCOMPARE(totals, 1);
    QCOMPARE(pages.size() > 1, rows > 60);
}

void TestSeasonPrintBook::boxScoresStayWhole()
{
    BookLayout layout({});
    for (int i = 0; i < 7; ++i)
        BoxScorePage::layOut(layout, BoxScore::fromSeason(m_figures, std::size_t(i % 6)));
    const std::vector<std::unique_ptr<BookPage>> pages = layout.takePages();
    QVERIFY(pages.size() >= 3);
    // Each box score is a headline and its five tables, all on one page.
    int headlines = 0;
    for (const auto &page : pages) {
        int onPage = 0;
        for (const BookPage::Text &text : page->texts())
            onPage += text.font.bold() ? 1 : 0;
        QCOMPARE(int(page->tables().size()), 5 * onPage);
        headlines += onPage;
    }
    QCOMPARE(headlines, 7);
}

void TestSeasonPrintBook::renderPages()
{
    if (!hasPoppler())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed: the PDF is not read back");
    const BoxScorePage first(BoxScore::fromSeason(m_figures, 0));
    const BoxScorePage second(BoxScore::fromSeason(m_figures, 1));
    const QString file = QDir(m_out.path()).filePath(QStringLiteral("pages.pdf"));
    {
        QPdfWriter writer(file);
        writer.setResolution(300);
        QVERIFY(PageRenderer::renderPages({&first, &second, &first}, writer));
    }
    QCOMPARE(pdfPages(file), 3);
    QVERIFY(pdfText(file, 2, 2).contains(QStringLiteral("Cats 1, Owls 5")));
}

void TestSeasonPrintBook::emptyStates_data()
{
    addSmallSeasonRows();
}

void TestSeasonPrintBook::emptyStates()
{
    QFETCH(SmallSeason, small);
    QTemporaryDir season;
    writeSmallSeason(season.path(), small);
    const SeasonFigures figures = readSeason(season.path());
    const SeasonPrintBook book(figures);
    // The standings, the leaders, a part a team and the box scores.
    QCOMPARE(int(book.pages().size()), 3 + int(figures.teams.size()));
    FakePrinter printer;
    QString error;
    QVERIFY(book.writePdf(printer, QStringLiteral("book.pdf"), &error));
    QCOMPARE(printer.titles, QStringList{QStringLiteral("The season")});
    QCOMPARE(int(printer.images.size()), int(book.pages().size()));
}

void TestSeasonPrintBook::unwritableFile()
{
    QtPrinter printer;
    QString error;
    const QString file = QDir(m_out.path()).filePath(QStringLiteral("missing/folder/book.pdf"));
    QVERIFY(!SeasonPrintBook(SeasonFigures()).writePdf(printer, file, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(file)), qPrintable(error));
}

QTEST_MAIN(TestSeasonPrintBook)
#include "TestSeasonPrintBook.moc"
