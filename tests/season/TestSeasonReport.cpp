#include "CsvRead.h"
#include "GameBuilder.h"
#include "ReportPages.h"
#include "ReportSeason.h"
#include "SeasonRead.h"
#include "season/ChartSvg.h"
#include "season/MarkupText.h"
#include "season/SeasonCsv.h"
#include "season/SeasonReport.h"
#include "season/TeamSeason.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Names no page may take for markup, each shown as typed.
const QString Quoted = QStringLiteral("The \"Quote\" & <Angle> Bros");
const QString Hebrew = QStringLiteral("\u05D4\u05E4\u05D5\u05E2\u05DC"); // הפועל
const QString Arabic = QStringLiteral("\u0639\u0644\u064A \u062D\u0633\u0646");
const QString Accents = QStringLiteral("Ren\u00E9e M\u00FCller-O'Brien");
const QString Markup = QStringLiteral("<b>%1</b> &amp; x");

// The hand-made season, and one game between teams with hostile names.
void writeSeasonWithHostileNames(const QString &folder)
{
    writeReportSeason(folder);
    GameBuilder game(Quoted, Hebrew, QDate(2024, 4, 6));
    game.hitter(Side::Away, 1, Accents, 2, 1, 1).hitter(Side::Away, 2, Markup, 1).hitter(Side::Home, 1, Arabic, 1);
    game.inning(Side::Away, 1, Arabic, 1, 1, 3).quietInnings(Side::Away, 2, 9);
    game.quietInnings(Side::Home, 1, 9, Markup);
    game.details().notes = QStringLiteral("</p><script>alert(1)</script>");
    game.save(folder, QStringLiteral("hostile.quorvel"));
}

QStringList htmlFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

class TestSeasonReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_season.isValid());
        QVERIFY(m_report.isValid());
        writeSeasonWithHostileNames(m_season.path());
        m_figures = readSeason(m_season.path());
        QCOMPARE(m_figures.games.size(), 6u);
        QCOMPARE(SeasonReport(m_figures).write(m_report.path()), QString());
    }

    // The folder holds index.html, games.html, the stylesheet, a page a team and a page a game.
    void files();
    // Every page is well-formed, runs no script, fetches nothing from a network, and every
    // relative link leads to a file of the report (and every #anchor to an id on its page).
    void pagesReadBack();
    // The standings table of index.html says what standings.csv says, row by row.
    void standingsEqualCsv();
    // A game's page holds its box score: the linescore, both teams' hitters with totals, the
    // pitchers with their decisions, the notes.
    void gamePage();
    // Quotes, angle brackets, ampersands, accents and right-to-left names come back as typed
    // from every page (and from the CSV files), in cells that take their own direction.
    void hostileNames();
    // The charts are SVG that parses by itself: a line a team, named, and its legend, a bar
    // pair a team, and a chart without games says so.
    void charts();
    // Text for a page never holds a character XML refuses.
    void escaping_data();
    void escaping();
    // No final game, one team, one game, no game at all: a report that reads back all the same.
    void emptyStates_data();
    void emptyStates();
    // Headless Chromium, where installed, draws index.html from the disk: not a blank page.
    void chromiumRendersIndex();

private:
    QTemporaryDir m_season;
    QTemporaryDir m_report;
    SeasonFigures m_figures;
};

void TestSeasonReport::files()
{
    QStringList expected{"games.html", "index.html", "style.css"};
    for (int team = 0; team < int(m_figures.teamNames.size()); ++team)
        expected << QStringLiteral("teams/team-%1.html").arg(team);
    for (int game = 1; game <= 6; ++game)
        expected << QStringLiteral("games/game-000%1.html").arg(game);
    expected.sort();
    QStringList found;
    QDirIterator it(m_report.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(m_report.path()).relativeFilePath(it.next());
    found.sort();
    QCOMPARE(found, expected);
}

void TestSeasonReport::pagesReadBack()
{
    const QStringList pages = htmlFiles(m_report.path());
    QCOMPARE(pages.size(), 2 + 5 + 6);
    int checkedLinks = 0;
    for (const QString &path : pages) {
        const ReportPage page = ReportPage::read(path);
        QVERIFY2(page.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + page.error));
        QVERIFY2(page.scripts.isEmpty(), qPrintable(path));
        for (const QString &link : page.links) {
            QVERIFY2(!link.contains(u':'), qPrintable(QStringLiteral("%1 links out: %2").arg(path, link)));
            if (link.startsWith(u'#')) {
                QVERIFY2(page.ids.contains(link.mid(1)), qPrintable(path + u' ' + link));
                continue;
            }
            const QString target = QFileInfo(QFileInfo(path).dir(), link).canonicalFilePath();
            QVERIFY2(!target.isEmpty(), qPrintable(QStringLiteral("%1: %2 leads nowhere").arg(path, link)));
            QVERIFY2(target.startsWith(QDir(m_report.path()).canonicalPath() + u'/'), qPrintable(link));
            ++checkedLinks;
        }
    }
    QVERIFY(checkedLinks > 100);
}

void TestSeasonReport::standingsEqualCsv()
{
    const ReportPage index = ReportPage::read(QDir(m_report.path()).filePath("index.html"));
    QList<QStringList> html;
    for (const ReportPage::Table &table : index.tables) {
        if (table.kind != u"standings")
            continue;
        QCOMPARE(table.rows.value(0).value(0), QStringLiteral("Team"));
        for (const QStringList &row : table.rows.mid(1))
            html << (QStringList{table.caption} << row);
    }
    QByteArray csvBytes;
    for (const auto &[name, bytes] : SeasonCsv::files(m_figures))
        if (name == u"standings.csv")
            csvBytes = bytes;
    QList<QStringList> csv;
    // division,team,G,W,L,T,PCT,GB,homeW,homeL,roadW,roadL,L10W,L10L,STRK,RS,RA,DIFF,pythW,pythL
    for (const QStringList &r : parseCsv(csvBytes).mid(1))
        csv << QStringList{r[0].isEmpty() ? QStringLiteral("League") : r[0],
                           r[1],
                           r[2],
                           r[3],
                           r[4],
                           r[5],
                           r[6],
                           r[7],
                           r[8] + u'-' + r[9],
                           r[10] + u'-' + r[11],
                           r[12] + u'-' + r[13],
                           r[14],
                           r[15],
                           r[16],
                           r[17],
                           r[18] + u'-' + r[19]};
    QCOMPARE(html.size(), 5);
    QCOMPARE(html, csv);
}

void TestSeasonReport::gamePage()
{
    const ReportPage page = ReportPage::read(QDir(m_report.path()).filePath("games/game-0001.html"));
    QVERIFY(page.error.isEmpty());
    QStringList kinds;
    for (const ReportPage::Table &table : page.tables)
        kinds << table.kind;
    QCOMPARE(kinds, (QStringList{"linescore", "hitting", "hitting", "pitching", "pitching"}));
    QCOMPARE(page.tables[0].rows.value(2),
             (QStringList{"Bats", "3", "0", "0", "0", "1", "0", "0", "0", "x", "4", "5"}));
    QCOMPARE(page.tables[1].rows.value(4), (QStringList{"Totals", "4", "2", "1", "0", "1", "1"}));
    QCOMPARE(page.tables[4].rows.value(1).value(0), QStringLiteral("Reed (W)"));
    QCOMPARE(page.tables[4].rows.value(2).value(0), QStringLiteral("Lowe (S)"));
    QVERIFY(page.text.contains(QStringLiteral("2B: Ito (1); HR: Jay (1); SB: Kim (1)")));
    QVERIFY(page.text.contains(QStringLiteral("Notes: Rain delay & a \"long\" <night>")));
    QVERIFY(page.links.contains(QStringLiteral("../teams/team-%1.html").arg(TeamSeason::find(m_figures, "Bats"))));
}

void TestSeasonReport::hostileNames()
{
    QString all;
    for (const QString &path : htmlFiles(m_report.path())) {
        const ReportPage page = ReportPage::read(path);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        all += page.text;
        for (const auto &[text, autoDirection] : page.named)
            if (text == Hebrew || text == Arabic || text == Quoted)
                QVERIFY2(autoDirection, qPrintable(path + u' ' + text));
    }
    for (const QString &name : {Quoted, Hebrew, Arabic, Accents, Markup})
        QVERIFY2(all.contains(name), qPrintable(name));
    QVERIFY(all.contains(QStringLiteral("</p><script>alert(1)</script>")));
    // The bytes on disk hold none of it as markup.
    QFile game(QDir(m_report.path()).filePath("games/game-0006.html"));
    QVERIFY(game.open(QIODevice::ReadOnly));
    const QByteArray bytes = game.readAll();
    QVERIFY(!bytes.contains("<script>"));
    QVERIFY(!bytes.contains("<b>"));
    QVERIFY(bytes.contains(Hebrew.toUtf8()));
    // The CSV export keeps them as typed too.
    QString csv;
    for (const auto &[name, data] : SeasonCsv::files(m_figures))
        for (const QStringList &record : parseCsv(data))
            csv += record.join(u'\n') + u'\n';
    for (const QString &name : {Quoted, Hebrew, Arabic, Accents, Markup})
        QVERIFY2(csv.contains(u'\n' + name + u'\n'), qPrintable(name));
}

void TestSeasonReport::charts()
{
    const std::vector<RaceChart> race = PennantRace::gamesBehind(m_figures);
    QCOMPARE(race.size(), 1u);
    const QString svg = ChartSvg::race(race[0]);
    QXmlStreamReader xml(svg);
    QStringList lines;
    QStringList legend;
    QString root;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && root.isEmpty())
            root = xml.name().toString();
        if (xml.isStartElement() && xml.name() == u"polyline") {
            xml.readNextStartElement();
            lines << xml.readElementText();
        }
        if (xml.isStartElement() && xml.name() == u"text")
            legend << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(root, QStringLiteral("svg"));
    // A line a team, named in full; the legend cuts a long name.
    QStringList teams;
    for (const ChartSeries &team : race[0].teams)
        teams << team.team;
    QCOMPARE(lines, teams);
    QVERIFY(legend.contains(QStringLiteral("Owls")));
    QVERIFY(legend.contains(QStringLiteral("The \"Quote\" & <Angle>…")));

    const QString runs = ChartSvg::runs(PennantRace::runs(m_figures));
    QCOMPARE(runs.count(QStringLiteral("<rect ")), 1 + 2 + 2 * int(m_figures.standings.size()));
    QXmlStreamReader runsXml(runs);
    while (!runsXml.atEnd())
        runsXml.readNext();
    QVERIFY(!runsXml.hasError());

    const QString empty = ChartSvg::differential(ChartSeries{Quoted, {}});
    QVERIFY(empty.contains(QStringLiteral("No final games yet.")));
    QVERIFY(empty.contains(MarkupText::escaped(Quoted)));
    QXmlStreamReader emptyXml(empty);
    while (!emptyXml.atEnd())
        emptyXml.readNext();
    QVERIFY(!emptyXml.hasError());
}

void TestSeasonReport::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("markup") << "<a href=\"x\">&'"
                            << "&lt;a href=&quot;x&quot;&gt;&amp;&#39;";
    QTest::newRow("control characters") << QStringLiteral("a\u0001b\u007fc\td") << QStringLiteral("a\uFFFDb\uFFFDc\td");
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + u'x' << QStringLiteral("\uFFFDx");
    QTest::newRow("pair kept") << QStringLiteral("\U0001F600") << QStringLiteral("\U0001F600");
    QTest::newRow("right to left") << Hebrew << Hebrew;
}

void TestSeasonReport::escaping()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(MarkupText::escaped(text), escaped);
}

void TestSeasonReport::emptyStates_data()
{
    addSmallSeasonRows();
}

void TestSeasonReport::emptyStates()
{
    QFETCH(SmallSeason, small);
    QTemporaryDir season, report;
    writeSmallSeason(season.path(), small);
    const SeasonFigures figures = readSeason(season.path());
    QCOMPARE(SeasonReport(figures).write(report.path()), QString());
    const QStringList pages = htmlFiles(report.path());
    QCOMPARE(pages.size(), 2 + int(figures.teams.size()) + int(figures.games.size()));
    for (const QString &path : pages) {
        const ReportPage page = ReportPage::read(path);
        QVERIFY2(page.error.isEmpty(), qPrintable(path + QStringLiteral(": ") + page.error));
    }
    const ReportPage index = ReportPage::read(QDir(report.path()).filePath("index.html"));
    if (small == SmallSeason::NoGame)
        QVERIFY(index.text.contains(QStringLiteral("No teams yet.")));
    if (small != SmallSeason::OneGame)
        QVERIFY(index.text.contains(QStringLiteral("No final games yet.")));
}

void TestSeasonReport::chromiumRendersIndex()
{
    const QString chromium = QStringLiteral("/usr/bin/chromium");
    if (!QFileInfo(chromium).isExecutable())
        QSKIP("/usr/bin/chromium is not installed (scripts/install-deps installs it): the report is not rendered");
    QTemporaryDir profile;
    const QString png = QDir(profile.path()).filePath("index.png");
    QProcess browser;
    browser.setProcessChannelMode(QProcess::MergedChannels);
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                             "--disable-background-networking", "--disable-component-update", "--disable-sync",
                             "--user-data-dir=" + QDir(profile.path()).filePath("profile"), "--screenshot=" + png,
                             "--window-size=1200,1600",
                             QUrl::fromLocalFile(QDir(m_report.path()).filePath("index.html")).toString()});
    if (!browser.waitForStarted(10000))
        QSKIP("headless Chromium did not start: the report is not rendered");
    if (!browser.waitForFinished(90000)) {
        browser.kill();
        browser.waitForFinished(5000);
        QSKIP("headless Chromium did not finish within 90 s: the report is not rendered");
    }
    const QByteArray output = browser.readAll();
    if (!QFileInfo::exists(png))
        QSKIP(qPrintable(QStringLiteral("headless Chromium wrote no screenshot: %1")
                             .arg(QString::fromLocal8Bit(output.right(400)))));
    const QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(1200, 1600));
    // Text, table rules and the chart's lines: a good share of the page is not white, in
    // more than a couple of colours.
    qint64 inked = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            if (qGray(pixel) < 200)
                ++inked;
            if (colours.size() < 64)
                colours.insert(pixel);
        }
    QVERIFY2(inked > 2000, qPrintable(QString::number(inked)));
    QVERIFY(colours.size() > 8);
}

QTEST_GUILESS_MAIN(TestSeasonReport)
#include "TestSeasonReport.moc"
