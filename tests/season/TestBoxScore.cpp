#include "GameBuilder.h"
#include "ReportSeason.h"
#include "SeasonRead.h"
#include "season/BoxScore.h"
#include "season/TextTable.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The first game's box score, worked out by hand from ReportSeason.h.
const char *const FirstGame = R"(Owls 2, Bats 4
2024-04-01, game 1, regular season, final

     1 2 3 4 5 6 7 8 9  R H
Owls 0 1 0 0 0 0 1 0 0  2 4
Bats 3 0 0 0 1 0 0 0 x  4 5

Owls   H RBI 2B 3B HR SB
Ito    2   1  1  0  0  0
Jay    1   1  0  0  1  0
Kim    1   0  0  0  0  1
Totals 4   2  1  0  1  1
2B: Ito (1); HR: Jay (1); SB: Kim (1)

Bats   H RBI 2B 3B HR SB
Zed    2   2  0  1  0  0
Max    2   1  1  0  0  1
Bo     1   1  0  0  0  0
Totals 5   4  1  1  0  1
2B: Max (1); 3B: Zed (1); SB: Max (1)

Owls pitching IP H R ER BB SO
Ace (L)        6 5 4  4  1  1
Cy             2 0 0  0  0  1

Bats pitching IP H R ER BB SO
Reed (W)       7 4 2  1  1  1
Lowe (S)       2 0 0  0  0  2

Notes: Rain delay & a "long" <night>
)";

BoxScore boxOf(const GameBuilder &game)
{
    QTemporaryDir folder;
    game.save(folder.path(), QStringLiteral("g.quorvel"));
    const SeasonFigures figures = readSeason(folder.path(), std::nullopt);
    return figures.games.empty() ? BoxScore() : BoxScore::fromSeason(figures, 0);
}

} // namespace

class TestBoxScore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_figures = reportSeason(m_folder.path());
        QCOMPARE(m_figures.games.size(), 5u);
    }

    // The box score as text: the linescore with the visitors on top and "x" for the home
    // half not needed, hitters in sheet order with totals and notes, pitchers in order of
    // appearance with the decisions, the details and the note, every column aligned.
    void text();
    // A game read without a season shows the same box score from the names as written.
    void fromRecordAgrees();
    // The linescore: an unfinished game leaves the halves not played blank (no "x"), extra
    // innings widen it, a home team that lost its ninth shows it, a tie has no decisions.
    void linescore_data();
    void linescore();
    // Season spellings: a box score shows a player as the season does, and a decision written
    // in another case still finds its pitcher.
    void seasonSpellings();
    // Accents, combining marks and right-to-left names keep the columns aligned: a column is
    // as wide as the characters a reader sees; a long name is cut, not the table widened.
    void textWidths_data();
    void textWidths();
    // A name holding "%1" or "%2" is shown as typed, not filled in with another figure.
    void percentNames();

private:
    QTemporaryDir m_folder;
    SeasonFigures m_figures;
};

void TestBoxScore::text()
{
    const BoxScore box = BoxScore::fromSeason(m_figures, 0);
    QCOMPARE(box.toText(), QString::fromUtf8(FirstGame));
    QCOMPARE(box.team(Side::Away).innings.size(), 9);
}

void TestBoxScore::fromRecordAgrees()
{
    QCOMPARE(BoxScore::fromRecord(*m_figures.games[0].record).toText(), QString::fromUtf8(FirstGame));
}

void TestBoxScore::linescore_data()
{
    QTest::addColumn<int>("awayRows");
    QTest::addColumn<int>("homeRows");
    QTest::addColumn<int>("awayRuns"); // scored in the first inning
    QTest::addColumn<int>("homeRuns");
    QTest::addColumn<QString>("homeLine"); // the home team's cells, comma-separated
    QTest::newRow("home not needed") << 9 << 8 << 0 << 1 << "1,0,0,0,0,0,0,0,x";
    QTest::newRow("home lost its ninth") << 9 << 9 << 1 << 0 << "0,0,0,0,0,0,0,0,0";
    QTest::newRow("not finished") << 5 << 4 << 0 << 1 << "1,0,0,0,,,,,";
    QTest::newRow("extra innings") << 11 << 11 << 0 << 1 << "1,0,0,0,0,0,0,0,0,0,0";
    QTest::newRow("walk-off in the tenth") << 10 << 10 << 1 << 0 << "0,0,0,0,0,0,0,0,0,2";
}

void TestBoxScore::linescore()
{
    QFETCH(int, awayRows);
    QFETCH(int, homeRows);
    QFETCH(int, awayRuns);
    QFETCH(int, homeRuns);
    QFETCH(QString, homeLine);
    GameBuilder game(QStringLiteral("Owls"), QStringLiteral("Bats"));
    game.inning(Side::Away, 1, QStringLiteral("Pat"), awayRuns).quietInnings(Side::Away, 2, awayRows);
    game.inning(Side::Home, 1, QStringLiteral("Ace"), homeRuns).quietInnings(Side::Home, 2, homeRows);
    if (awayRows == 10) // the home team wins it in the tenth
        game.inning(Side::Home, 10, {}, 2);
    const BoxScore box = boxOf(game);
    const QStringList lines = box.toText().split(u'\n');
    QCOMPARE(box.team(Side::Home).innings.join(u','), homeLine);
    const QString home = lines.value(5);
    QVERIFY2(home.startsWith(QStringLiteral("Bats ") + box.team(Side::Home).innings.value(0)), qPrintable(home));
    QCOMPARE(box.innings, std::max(9, awayRows));
    QCOMPARE(lines.value(3).split(u' ', Qt::SkipEmptyParts).size(), box.innings + 2);
}

void TestBoxScore::seasonSpellings()
{
    QTemporaryDir folder;
    GameBuilder first(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 5, 1));
    first.hitter(Side::Away, 1, QStringLiteral("Ito"), 1, 1).inning(Side::Away, 1, QStringLiteral("Reed"), 1, 1, 1);
    first.quietInnings(Side::Away, 2, 9).quietInnings(Side::Home, 1, 9, QStringLiteral("Ace"));
    first.details().win = QStringLiteral("ACE");
    first.details().loss = QStringLiteral("reed");
    first.save(folder.path(), QStringLiteral("a.quorvel"));
    GameBuilder second(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 5, 2));
    second.hitter(Side::Away, 1, QStringLiteral("ito"), 0).quietInnings(Side::Away, 1, 9, QStringLiteral("Reed"));
    second.quietInnings(Side::Home, 1, 9, QStringLiteral("Ace"));
    second.save(folder.path(), QStringLiteral("b.quorvel"));
    GameBuilder third = GameBuilder(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 5, 3));
    third.hitter(Side::Away, 1, QStringLiteral("Ito"), 0).quietInnings(Side::Away, 1, 9, QStringLiteral("Reed"));
    third.quietInnings(Side::Home, 1, 9, QStringLiteral("Ace"));
    third.save(folder.path(), QStringLiteral("c.quorvel"));

    const SeasonFigures figures = readSeason(folder.path(), std::nullopt);
    const BoxScore box = BoxScore::fromSeason(figures, 1);
    QCOMPARE(box.team(Side::Away).hitters.at(0).name, QStringLiteral("Ito"));
    const BoxScore won = BoxScore::fromSeason(figures, 0);
    QCOMPARE(won.team(Side::Away).pitchers.at(0).decision, QStringLiteral("W"));
    QCOMPARE(won.team(Side::Home).pitchers.at(0).decision, QStringLiteral("L"));
    // Without the season the sheet's own spelling stands.
    QCOMPARE(BoxScore::fromRecord(*figures.games[1].record).team(Side::Away).hitters.at(0).name, QStringLiteral("ito"));
}

void TestBoxScore::textWidths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::newRow("plain") << "Ito" << 3;
    QTest::newRow("composed accent") << QStringLiteral("Müller") << 6;
    QTest::newRow("combining accent") << QStringLiteral("Mu\u0308ller") << 6;
    QTest::newRow("hebrew") << QStringLiteral("\u05D3\u05D5\u05D3") << 3;
    QTest::newRow("arabic, isolated") << TextTable::isolated(QStringLiteral("\u0639\u0644\u064A")) << 3;
    QTest::newRow("emoji with a skin tone") << QStringLiteral("\U0001F44D\U0001F3FD") << 1;
}

void TestBoxScore::textWidths()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QCOMPARE(TextTable::width(name), width);
    TextTable table({TextTable::Align::Left, TextTable::Align::Right});
    table.addRow({name, QStringLiteral("12")});
    table.addRow({QStringLiteral("Abcdefgh"), QStringLiteral("3")});
    const QStringList lines = table.lines();
    QCOMPARE(TextTable::width(lines[0]), TextTable::width(lines[1]));
    QVERIFY(lines[0].contains(name));
    QCOMPARE(TextTable::width(TextTable::fitted(QString(5000, u'é'), 30)), 30);
    QVERIFY(TextTable::fitted(QString(5000, u'é'), 30).endsWith(u'…'));
}

void TestBoxScore::percentNames()
{
    GameBuilder game(QStringLiteral("%2 Sox"), QStringLiteral("%1 Bats"));
    game.hitter(Side::Away, 1, QStringLiteral("%1%2"), 1, 0, 1).inning(Side::Away, 1, QStringLiteral("%3"), 1, 0, 1);
    game.quietInnings(Side::Away, 2, 9).quietInnings(Side::Home, 1, 9, QStringLiteral("%4"));
    const BoxScore box = boxOf(game);
    QCOMPARE(box.headline(), QStringLiteral("%2 Sox 1, %1 Bats 0"));
    const QString text = box.toText();
    QVERIFY2(text.startsWith(QStringLiteral("%2 Sox 1, %1 Bats 0\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("2B: %1%2 (1)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("%1 Bats pitching")), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestBoxScore)
#include "TestBoxScore.moc"
