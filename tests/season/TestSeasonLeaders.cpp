#include "ReportSeason.h"
#include "SeasonRead.h"
#include "season/SeasonLeaders.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A board as lines: "rank name value", "rank 5 players tied value", with the detail of a streak.
QStringList lines(const LeaderBoard &board)
{
    QStringList lines;
    for (const LeaderEntry &entry : board.entries) {
        QString line =
            entry.tiedPlayers > 0
                ? QStringLiteral("%1 %2 players tied %3").arg(entry.rank).arg(entry.tiedPlayers).arg(entry.value)
                : QStringLiteral("%1 %2 %3").arg(entry.rank).arg(entry.name, entry.value);
        if (!entry.detail.isEmpty())
            line += QStringLiteral(" %1%2").arg(entry.detail, entry.current ? QStringLiteral(" now") : QString());
        lines << line;
    }
    return lines;
}

const LeaderBoard *board(const std::vector<LeaderBoard> &boards, const QString &id)
{
    for (const LeaderBoard &b : boards)
        if (b.id == id)
            return &b;
    return nullptr;
}

BattingRow hitter(const QString &name, qint64 homeRuns)
{
    BattingRow row;
    row.player = name;
    row.team = QStringLiteral("Owls");
    row.games = 1;
    row.hits = homeRuns;
    row.homeRuns = homeRuns;
    return row;
}

} // namespace

class TestSeasonLeaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_figures = reportSeason(m_folder.path());
        m_leaders = SeasonLeaders::compute(m_figures);
    }

    // Every board of the hand-made season, ranked as worked out by hand: ties share a rank
    // and are listed by name; counts leave out players with none; ERA, WHIP and K9 rank only
    // pitchers with an inning per team game (Cy's and Lowe's 0.00 do not qualify).
    void boards_data();
    void boards();
    // The longest run of the team's games with a hit: a hitless game (Ito) or a team game he
    // missed (Jay) ends it; a run that reaches the team's last game is going on.
    void hittingStreaks();
    // Games with two hits or more, counted per player.
    void multiHitGames();
    // Players tied at the last places that would make the board longer than ten share one
    // line; a tie that fits is listed in full.
    void tiesAtTheTenthPlace_data();
    void tiesAtTheTenthPlace();
    // Rates equal as shown share a rank, though they differ further down.
    void ratesTiedAsShown();
    // A season without games has empty boards, and nothing breaks.
    void emptySeason();

private:
    QTemporaryDir m_folder;
    SeasonFigures m_figures;
    SeasonLeaders m_leaders;
};

void TestSeasonLeaders::boards_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("H") << "H"
                       << QStringList{"1 Kim 7", "2 Ito 4", "2 Jay 4", "2 Max 4", "2 Zed 4", "6 Dee 3", "7 Bo 1"};
    QTest::newRow("2B") << "2B" << QStringList{"1 Dee 1", "1 Ito 1", "1 Kim 1", "1 Max 1"};
    QTest::newRow("3B") << "3B" << QStringList{"1 Kim 1", "1 Zed 1"};
    QTest::newRow("HR") << "HR" << QStringList{"1 Jay 2", "2 Max 1"};
    QTest::newRow("TB") << "TB"
                        << QStringList{"1 Jay 10", "1 Kim 10", "3 Max 8", "4 Zed 6", "5 Ito 5", "6 Dee 4", "7 Bo 1"};
    QTest::newRow("XBH") << "XBH" << QStringList{"1 Jay 2", "1 Kim 2", "1 Max 2", "4 Dee 1", "4 Ito 1", "4 Zed 1"};
    QTest::newRow("RBI") << "RBI"
                         << QStringList{"1 Kim 6", "2 Jay 5", "3 Zed 4", "4 Dee 3", "4 Ito 3", "4 Max 3", "7 Bo 1"};
    QTest::newRow("SB") << "SB" << QStringList{"1 Kim 1", "1 Max 1"};
    QTest::newRow("ERA") << "ERA" << QStringList{"1 Reed 0.72", "2 Ace 2.18", "3 Pat 4.85"};
    QTest::newRow("WHIP") << "WHIP" << QStringList{"1 Ace 0.30", "2 Reed 0.32", "3 Pat 0.42"};
    QTest::newRow("K9") << "K9" << QStringList{"1 Reed 0.36", "2 Ace 0.27", "3 Pat 0.00"};
    QTest::newRow("SO") << "SO" << QStringList{"1 Lowe 2", "2 Ace 1", "2 Cy 1", "2 Reed 1"};
    QTest::newRow("IP") << "IP" << QStringList{"1 Ace 33", "2 Pat 26", "3 Reed 25", "4 Cy 2", "4 Lowe 2"};
    QTest::newRow("CG") << "CG" << QStringList{"1 Ace 3", "1 Pat 3", "3 Reed 2"};
    QTest::newRow("SHO") << "SHO" << QStringList{"1 Reed 1"};
}

void TestSeasonLeaders::boards()
{
    QFETCH(QString, id);
    QFETCH(QStringList, expected);
    const LeaderBoard *found = board(m_leaders.batting, id);
    if (!found)
        found = board(m_leaders.pitching, id);
    QVERIFY2(found, qPrintable(id));
    QCOMPARE(lines(*found), expected);
}

void TestSeasonLeaders::hittingStreaks()
{
    QCOMPARE(lines(m_leaders.hittingStreaks), (QStringList{
                                                  "1 Kim 4 2024-04-01 to 2024-04-04 now",
                                                  "2 Zed 3 2024-04-01 to 2024-04-04 now",
                                                  "3 Ito 2 2024-04-01 to 2024-04-02",
                                                  "3 Jay 2 2024-04-03 to 2024-04-04 now",
                                                  "3 Max 2 2024-04-01 to 2024-04-02",
                                                  "6 Bo 1 2024-04-01 to 2024-04-01",
                                                  "6 Dee 1 2024-04-02 to 2024-04-02",
                                              }));
    // The games are those of the streak: Ito's ends with the second game, not the fifth.
    const LeaderEntry &ito = m_leaders.hittingStreaks.entries[2];
    QCOMPARE(ito.firstGame, 0);
    QCOMPARE(ito.lastGame, 1);
}

void TestSeasonLeaders::multiHitGames()
{
    QCOMPARE(lines(m_leaders.multiHitGames),
             (QStringList{"1 Kim 2", "1 Max 2", "3 Dee 1", "3 Ito 1", "3 Jay 1", "3 Zed 1"}));
}

void TestSeasonLeaders::tiesAtTheTenthPlace_data()
{
    QTest::addColumn<QList<int>>("homeRuns"); // one player each, named A, B, C, ...
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("five tied from the seventh place")
        << QList<int>{5, 4, 4, 3, 3, 3, 2, 2, 2, 2, 2, 1}
        << QStringList{"1 A 5", "2 B 4", "2 C 4", "4 D 3", "4 E 3", "4 F 3", "7 5 players tied 2"};
    QTest::newRow("a tie that ends on the tenth line")
        << QList<int>{9, 8, 7, 6, 5, 4, 3, 3, 3, 3, 1}
        << QStringList{"1 A 9", "2 B 8", "3 C 7", "4 D 6", "5 E 5", "6 F 4", "7 G 3", "7 H 3", "7 I 3", "7 J 3"};
    QTest::newRow("two tied past the tenth line")
        << QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 2, 1, 1}
        << QStringList{"1 A 9", "2 B 8", "3 C 7", "4 D 6", "5 E 5",
                       "6 F 4", "7 G 3", "8 H 2", "8 I 2", "10 2 players tied 1"};
    QTest::newRow("all tied") << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << QStringList{"1 12 players tied 1"};
    QTest::newRow("nobody with one") << QList<int>{0, 0} << QStringList{};
}

void TestSeasonLeaders::tiesAtTheTenthPlace()
{
    QFETCH(QList<int>, homeRuns);
    QFETCH(QStringList, expected);
    SeasonFigures figures;
    for (int i = 0; i < homeRuns.size(); ++i)
        figures.batting.push_back(hitter(QString(QChar(u'A' + i)), homeRuns[i]));
    const SeasonLeaders leaders = SeasonLeaders::compute(figures);
    QCOMPARE(lines(*board(leaders.batting, QStringLiteral("HR"))), expected);
}

void TestSeasonLeaders::ratesTiedAsShown()
{
    SeasonFigures figures;
    GameRow game;
    game.away = QStringLiteral("Owls");
    game.home = QStringLiteral("Bats");
    figures.games.push_back(game);
    const auto pitcher = [](const QString &name, qint64 innings, qint64 earned) {
        PitchingRow row;
        row.player = name;
        row.team = QStringLiteral("Owls");
        row.games = 1;
        row.innings = innings;
        row.earned = earned;
        return row;
    };
    // 9 * 445 / 2003 = 1.9995 is the best, but shows as 2.00 as 9 * 2 / 9 and 9 * 4 / 18
    // do: one rank; 9 * 223 / 1000 = 2.007 shows as 2.01.
    figures.pitching = {pitcher("Ann", 1000, 223), pitcher("Bea", 9, 2), pitcher("Cal", 18, 4),
                        pitcher("Dot", 2003, 445)};
    const SeasonLeaders leaders = SeasonLeaders::compute(figures);
    QCOMPARE(lines(*board(leaders.pitching, QStringLiteral("ERA"))),
             (QStringList{"1 Dot 2.00", "1 Bea 2.00", "1 Cal 2.00", "4 Ann 2.01"}));
}

void TestSeasonLeaders::emptySeason()
{
    const SeasonLeaders leaders = SeasonLeaders::compute(SeasonFigures());
    QCOMPARE(leaders.batting.size(), 8u);
    QCOMPARE(leaders.pitching.size(), 7u);
    for (const LeaderBoard &b : leaders.batting)
        QVERIFY(b.entries.empty());
    QVERIFY(leaders.hittingStreaks.entries.empty());
    QVERIFY(leaders.multiHitGames.entries.empty());
}

QTEST_GUILESS_MAIN(TestSeasonLeaders)
#include "TestSeasonLeaders.moc"
