#include "GameBuilder.h"
#include "SeasonRead.h"
#include "season/SeasonCsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr Side Away = Side::Away;
constexpr Side Home = Side::Home;

// A few games worked out by hand (the figures in the tests below come from these lines):
//   1  04-01  Owls 3 at Bats 1, final by the sheet; Ito's two hits in the away H column's
//      swapped row 5; Reed loses it ("reed"), Ace pitches the whole game and wins.
//   2  04-02  Bats 2 at Owls 2, a tie the details call final; "ZED" and "ito " spelled otherwise.
//   3  04-03  Cats 1 at Owls 0 after five innings each: not finished, as far as the sheet tells.
//   4  04-04  Owls 0 at Cats 4, final by the sheet (the home team leads and bats eight times);
//      Jay in two rows; the win is given to a pitcher who did not pitch.
//   5  04-05  Bats 3 at Cats 0, an exhibition.
//   6  a sync tool's copy of game 1.
void writeHandSeason(const QString &folder)
{
    GameBuilder one(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 4, 1));
    one.hitter(Away, 5, "Ito", 2, 2, 1).hitter(Away, 6, "Jay", 1, 1).hitter(Away, 7, "Kim", 0);
    one.inning(Away, 1, "Reed", 1, 1, 1, 2).inning(Away, 2, {}, 0, 0, 0, 0, 1).quietInnings(Away, 3, 3);
    one.inning(Away, 4, {}, 2, 1, 2).quietInnings(Away, 5, 7).quietInnings(Away, 8, 9, "Lowe");
    one.hitter(Home, 1, "Zed", 1, 1);
    one.quietInnings(Home, 1, 4, "Ace").inning(Home, 5, {}, 1, 1, 1).quietInnings(Home, 6, 9);
    one.details().win = "Ace";
    one.details().loss = "reed";
    one.save(folder, "04/g1.quorvel");

    GameBuilder two(QStringLiteral("Bats"), QStringLiteral("Owls"), QDate(2024, 4, 2));
    two.hitter(Away, 1, "ZED", 2, 2).hitter(Home, 1, "ito ", 1, 1);
    two.quietInnings(Away, 1, 2, "Bo").inning(Away, 3, {}, 2, 2, 2).quietInnings(Away, 4, 9);
    two.quietInnings(Home, 1, 5, "Reed").inning(Home, 6, {}, 2, 2, 1).quietInnings(Home, 7, 9);
    two.final(true).save(folder, "04/g2.quorvel");

    GameBuilder three(QStringLiteral("Cats"), QStringLiteral("Owls"), QDate(2024, 4, 3));
    three.hitter(Away, 1, "Max", 1).hitter(Home, 1, "Ito", 1);
    three.quietInnings(Away, 1, 1, "Dee").inning(Away, 2, {}, 1, 1, 1).quietInnings(Away, 3, 5);
    three.quietInnings(Home, 1, 3, "Cy").inning(Home, 4, "Dot", 0, 0, 1).quietInnings(Home, 5, 5);
    three.save(folder, "04/g3.quorvel");

    GameBuilder four(QStringLiteral("Owls"), QStringLiteral("Cats"), QDate(2024, 4, 4));
    four.hitter(Away, 1, "Jay", 0).hitter(Away, 2, "jay", 0).hitter(Home, 3, "Max", 1, 1);
    four.quietInnings(Away, 1, 9, "Cy");
    four.inning(Home, 1, "Ace", 0).inning(Home, 2, {}, 4, 4, 1).quietInnings(Home, 3, 8);
    four.details().win = "Nobody";
    four.save(folder, "04/g4.quorvel");

    GameBuilder five(QStringLiteral("Bats"), QStringLiteral("Cats"), QDate(2024, 4, 5));
    five.hitter(Away, 1, "Zed", 3, 3).inning(Away, 1, "Cy", 3, 3, 3).quietInnings(Away, 2, 9);
    five.quietInnings(Home, 1, 9, "Reed");
    five.type(GameType::Exhibition).final(true).save(folder, "g5.quorvel");

    GameBuilder::saveFile(QDir(folder).filePath("04/g1 (conflicted copy).quorvel"), one.bytes());
    GameBuilder::saveFile(QDir(folder).filePath("season.json"),
                          R"({"format": "quorvel-season", "version": 1, "divisions": {"East": ["Owls", "BATS"]}})");
}

QStringList standingLine(const StandingRow &row)
{
    return {row.division,
            row.team,
            QString::number(row.games),
            QStringLiteral("%1-%2-%3").arg(row.wins).arg(row.losses).arg(row.ties),
            QString::number(row.pct, 'f', 3),
            QString::number(row.gamesBehind, 'f', 1),
            QStringLiteral("%1-%2 %3-%4").arg(row.homeWins).arg(row.homeLosses).arg(row.roadWins).arg(row.roadLosses),
            QStringLiteral("%1-%2").arg(row.lastTenWins).arg(row.lastTenLosses),
            row.streak,
            QStringLiteral("%1-%2 %3").arg(row.runsScored).arg(row.runsAllowed).arg(row.difference()),
            QStringLiteral("%1-%2").arg(row.pythagoreanWins).arg(row.pythagoreanLosses)};
}

} // namespace

class TestSeasonFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        writeHandSeason(m_folder.path());
        m_figures = readSeason(m_folder.path());
    }

    // Standings count final regular games only: W-L-T, PCT, games behind the best W - L of
    // the division, home and road, the last ten, the streak, runs and the Pythagorean record;
    // named divisions first, the teams no division lists after them.
    void standings();
    // A hitter's line adds up his rows in every game of the kind, final or not, with the
    // swapped away H cells read in the row where they stand; two spellings are one player
    // shown in the most frequent one (the earliest game's on a tie); two rows of one name
    // in one game are one game.
    void batting_data();
    void batting();
    // A pitcher's line: the rows under his name, starts, complete games, shutouts and the
    // decisions found by name; ERA and WHIP as rates per inning.
    void pitching();
    // Games list final flags, results and innings; a copy of a game counts once, the
    // first in game order.
    void games();
    // Each problem of the hand-made season is listed with its file.
    void checks();
    // Another kind of game counts only its own games, and lists only their problems; "all"
    // counts every kind.
    void gameTypes();
    // The last ten and the streak look only at the latest final games.
    void lastTenAndStreak();
    // Negative runs count as written and leave the Pythagorean record a record.
    void negativeRuns();
    // A calculator that remembers earlier readings gives, after games change, are added and
    // go, exactly the figures a fresh one gives.
    void rememberingCalculatorAgrees();
    // Each kind of problem is listed with the file and the row where the user finds it,
    // and the rest of the game still counts.
    void problems_data();
    void problems();

private:
    QTemporaryDir m_folder;
    SeasonFigures m_figures;
};

void TestSeasonFigures::standings()
{
    QList<QStringList> lines;
    for (const StandingRow &row : m_figures.standings)
        lines << standingLine(row);
    const QList<QStringList> expected = {
        {"East", "Owls", "3", "1-1-1", "0.500", "0.0", "0-0 1-1", "1-1", "L1", "5-7 -2", "1-1"},
        {"East", "Bats", "2", "0-1-1", "0.000", "0.5", "0-1 0-0", "0-1", "T1", "3-5 -2", "0-1"},
        {"", "Cats", "1", "1-0-0", "1.000", "0.0", "1-0 0-0", "1-0", "W1", "4-0 4", "1-0"},
    };
    QCOMPARE(lines, expected);
}

void TestSeasonFigures::batting_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QList<qint64>>("line"); // G, H, 1B, 2B, TB, XBH, RBI
    QTest::newRow("swapped away H row, two spellings") << "Ito"
                                                       << "Owls" << QList<qint64>{3, 4, 3, 1, 5, 1, 3};
    QTest::newRow("tie of spellings: the earliest") << "Zed"
                                                    << "Bats" << QList<qint64>{2, 3, 3, 0, 3, 0, 3};
    QTest::newRow("two rows in one game") << "Jay"
                                          << "Owls" << QList<qint64>{2, 1, 1, 0, 1, 0, 1};
    QTest::newRow("an unfinished game counts") << "Max"
                                               << "Cats" << QList<qint64>{2, 2, 2, 0, 2, 0, 1};
    QTest::newRow("a name without numbers") << "Kim"
                                            << "Owls" << QList<qint64>{1, 0, 0, 0, 0, 0, 0};
}

void TestSeasonFigures::batting()
{
    QFETCH(QString, player);
    QFETCH(QString, team);
    QFETCH(QList<qint64>, line);
    const BattingRow *row = findPlayer(m_figures.batting, player);
    QVERIFY2(row, qPrintable(player));
    QCOMPARE(row->team, team);
    QCOMPARE((QList<qint64>{row->games, row->hits, row->singles(), row->doubles, row->totalBases(),
                            row->extraBaseHits(), row->rbi}),
             line);
    QCOMPARE(m_figures.batting.size(), 5u);
}

void TestSeasonFigures::pitching()
{
    QStringList lines;
    for (const PitchingRow &row : m_figures.pitching)
        lines << QStringLiteral("%1 %2: G%3 GS%4 CG%5 SHO%6 W%7 L%8 SV%9 IP%10 outs%11 H%12 R%13 ER%14 BB%15 SO%16")
                     .arg(row.player, row.team)
                     .arg(row.games)
                     .arg(row.starts)
                     .arg(row.completeGames)
                     .arg(row.shutouts)
                     .arg(row.wins)
                     .arg(row.losses)
                     .arg(row.saves)
                     .arg(row.innings)
                     .arg(row.outs())
                     .arg(row.hits)
                     .arg(row.runs)
                     .arg(row.earned)
                     .arg(row.walks)
                     .arg(row.strikeouts);
    const QStringList expected = {
        "Lowe Bats: G1 GS0 CG0 SHO0 W0 L0 SV0 IP2 outs6 H0 R0 ER0 BB0 SO0",
        "Reed Bats: G2 GS2 CG1 SHO0 W0 L1 SV0 IP16 outs48 H4 R5 ER4 BB1 SO2",
        "Cy Cats: G2 GS2 CG1 SHO1 W0 L0 SV0 IP12 outs36 H0 R0 ER0 BB0 SO0",
        "Dot Cats: G1 GS0 CG0 SHO0 W0 L0 SV0 IP2 outs6 H1 R0 ER0 BB0 SO0",
        "Ace Owls: G2 GS2 CG2 SHO0 W1 L0 SV0 IP17 outs51 H2 R5 ER5 BB0 SO0",
        "Bo Owls: G1 GS1 CG1 SHO0 W0 L0 SV0 IP9 outs27 H2 R2 ER2 BB0 SO0",
        "Dee Owls: G1 GS1 CG1 SHO0 W0 L0 SV0 IP5 outs15 H1 R1 ER1 BB0 SO0",
    };
    QCOMPARE(lines, expected);
    const PitchingRow &reed = *findPlayer(m_figures.pitching, "Reed");
    QCOMPARE(SeasonCsv::ratio(9 * reed.earned, reed.innings, 2), "2.25");
    QCOMPARE(SeasonCsv::ratio(reed.hits + reed.walks, reed.innings, 2), "0.31");
    QCOMPARE(SeasonCsv::ratio(9 * reed.strikeouts, reed.innings, 2), "1.13"); // 1.125, half away from zero
    QCOMPARE(*reed.era(), 2.25);
}

void TestSeasonFigures::games()
{
    QStringList lines;
    for (const GameRow &row : m_figures.games)
        lines << QStringLiteral("%1 %2 %3 %4-%5 %6-%7 H%8-%9 inn%10-%11 %12")
                     .arg(row.file, row.date.toString(Qt::ISODate))
                     .arg(row.final)
                     .arg(row.away, row.home)
                     .arg(row.awayRuns)
                     .arg(row.homeRuns)
                     .arg(row.awayHits)
                     .arg(row.homeHits)
                     .arg(row.awayInnings)
                     .arg(row.homeInnings)
                     .arg(int(row.result));
    const QStringList expected = {
        "04/g1 (conflicted copy).quorvel 2024-04-01 1 Owls-Bats 3-1 H3-1 inn9-9 1",
        "04/g2.quorvel 2024-04-02 1 Bats-Owls 2-2 H2-1 inn9-9 3",
        "04/g3.quorvel 2024-04-03 0 Cats-Owls 1-0 H1-1 inn5-5 0",
        "04/g4.quorvel 2024-04-04 1 Owls-Cats 0-4 H0-1 inn9-8 2",
    };
    QCOMPARE(lines, expected);
    QVERIFY(m_figures.games.front().record);
    QCOMPARE(m_figures.games.front().record->half(Away).batting.at(0).hits, 2); // Ito, row 5
}

void TestSeasonFigures::checks()
{
    QStringList lines;
    for (const CheckRow &row : m_figures.checks)
        lines << row.file + u'|' + row.row + u'|' + row.problem;
    QCOMPARE(lines.size(), 3);
    // The copy's name comes first in game order (" " before "."): it is the one counted.
    QVERIFY2(lines[0].startsWith("04/g1.quorvel||The same game as 04/g1 (conflicted copy).quorvel"),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith("04/g3.quorvel||The game is not finished"), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith("04/g4.quorvel||The win goes to Nobody"), qPrintable(lines[2]));
}

void TestSeasonFigures::gameTypes()
{
    const SeasonFigures exhibition = readSeason(m_folder.path(), GameType::Exhibition);
    QCOMPARE(exhibition.games.size(), 1u);
    QCOMPARE(exhibition.standings.at(0).team, "Bats");
    QCOMPARE(exhibition.standings.at(0).wins, 1);
    QCOMPARE(findPlayer(exhibition.batting, "Zed")->hits, 3);
    // The problems of the other kinds' games are theirs.
    QVERIFY(std::none_of(exhibition.checks.begin(), exhibition.checks.end(),
                         [](const CheckRow &row) { return row.file.startsWith("04/"); }));
    const SeasonFigures all = readSeason(m_folder.path(), std::nullopt);
    QCOMPARE(all.games.size(), 5u);
    QCOMPARE(findPlayer(all.batting, "Zed")->hits, 6);
    QCOMPARE(findPlayer(all.pitching, "Reed")->games, 3);
}

void TestSeasonFigures::lastTenAndStreak()
{
    QTemporaryDir folder;
    // Owls: W W L L, then eight wins, then a tie.
    const QString results = QStringLiteral("WWLLWWWWWWWWT");
    for (int day = 0; day < results.size(); ++day) {
        GameBuilder game(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 5, 1).addDays(day));
        const int owls = results[day] == u'W' ? 1 : 0;
        const int bats = results[day] == u'L' ? 1 : 0;
        game.inning(Away, 1, "A", owls).quietInnings(Away, 2, 9).inning(Home, 1, "B", bats).quietInnings(Home, 2, 9);
        game.final(true).save(folder.path(), QStringLiteral("g%1.quorvel").arg(day));
    }
    const SeasonFigures figures = readSeason(folder.path());
    QCOMPARE(figures.standings.at(0).team, "Owls");
    QCOMPARE(standingLine(figures.standings.at(0)).mid(7, 2), (QStringList{"8-1", "T1"}));
    QCOMPARE(standingLine(figures.standings.at(1)).mid(3, 6),
             (QStringList{"2-10-1", "0.167", "8.0", "2-10 0-0", "1-8", "T1"}));
}

void TestSeasonFigures::negativeRuns()
{
    QTemporaryDir folder;
    GameBuilder game(QStringLiteral("Owls"), QStringLiteral("Bats"));
    game.inning(Away, 1, "Reed", -3).quietInnings(Away, 2, 9).quietInnings(Home, 1, 9, "Ace");
    game.final(true).save(folder.path(), "a.quorvel");
    const SeasonFigures figures = readSeason(folder.path());
    QCOMPARE(figures.standings.size(), 2u);
    QCOMPARE(figures.standings.at(0).team, "Bats");
    QCOMPARE(standingLine(figures.standings.at(1)).mid(9), (QStringList{"-3-0 -3", "1-0"}));
    QCOMPARE(standingLine(figures.standings.at(0)).mid(9), (QStringList{"0--3 3", "1-0"}));
}

void TestSeasonFigures::rememberingCalculatorAgrees()
{
    QTemporaryDir folder;
    writeHandSeason(folder.path());
    const auto gamesOf = [&] {
        SeasonState start;
        start.folder = folder.path();
        return SeasonState::update(start).records();
    };
    SeasonCalculator remembering{SeasonConfig()};
    const auto agree = [&](const SeasonCalculator::Games &games) {
        for (std::optional<GameType> type : {std::optional<GameType>(GameType::Regular), std::optional<GameType>()})
            QCOMPARE(SeasonCsv::files(remembering.recompute(games, {}, type)),
                     SeasonCsv::files(SeasonCalculator::compute(games, SeasonConfig(), {}, type)));
    };
    SeasonCalculator::Games games = gamesOf();
    agree(games);
    // Zed is spelled "ZED" twice now: the most frequent spelling changes; Cats leave, Hawks come.
    GameBuilder respelled(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 4, 1));
    respelled.hitter(Home, 1, "ZED", 1).inning(Away, 1, "Reed", 1).quietInnings(Home, 1, 9, "Ace");
    respelled.save(folder.path(), "04/g1.quorvel");
    QVERIFY(QFile::remove(folder.filePath("04/g4.quorvel")));
    GameBuilder("Hawks", "Owls", QDate(2024, 4, 6)).hitter(Away, 1, "Max", 2).save(folder.path(), "04/g7.quorvel");
    games = gamesOf();
    agree(games);
    games.pop_back();
    agree(games);
}

namespace {
// A complete, consistent game: Owls 1 at Bats 0, Ito's hit and RBI in the first inning.
GameBuilder plainGame(const QString &away = QStringLiteral("Owls"), const QString &home = QStringLiteral("Bats"))
{
    GameBuilder game(away, home);
    game.hitter(Away, 1, "Ito", 1, 1).inning(Away, 1, "Reed", 1, 1, 1).quietInnings(Away, 2, 9);
    game.quietInnings(Home, 1, 9, "Ace");
    return game;
}
} // namespace

void TestSeasonFigures::problems_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second"); // saved as b.quorvel when not empty
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("problem");
    const QByteArray none;
    QTest::newRow("extra bases over hits")
        << plainGame().hitter(Away, 3, "Kim", 1, 0, 1, 0, 1).inning(Away, 2, {}, 0, 0, 1).bytes() << none << "a.quorvel"
        << "Away batting, row 3"
        << "2B + 3B + HR (2) is more than H (1)";
    QTest::newRow("earned over runs") << plainGame().inning(Home, 2, {}, 1, 2).bytes() << none << "a.quorvel"
                                      << "Home inning 2"
                                      << "ER (2) is more than R (1)";
    QTest::newRow("hits differ") << plainGame().hitter(Away, 2, "Jay", 1).bytes() << none << "a.quorvel"
                                 << "Away half"
                                 << "credited with 2 hits, the inning rows give 1";
    QTest::newRow("RBI over runs") << plainGame().hitter(Away, 1, "Ito", 1, 3).bytes() << none << "a.quorvel"
                                   << "Away half"
                                   << "drove in 3 runs, more than the 1";
    QTest::newRow("numbers without a hitter")
        << plainGame().hitter(Home, 4, "", 0, 0, 0, 0, 0, 2).bytes() << none << "a.quorvel"
        << "Home batting, row 4"
        << "without a hitter's name";
    QTest::newRow("inning without a pitcher")
        << plainGame().text(ColumnId::Pitcher, Home, 1, "").bytes() << none << "a.quorvel"
        << "Home inning 1"
        << "without a pitcher's name";
    QTest::newRow("uncountable number") << plainGame().text(ColumnId::K, Away, 3, "1e400").bytes() << none
                                        << "a.quorvel"
                                        << "Away inning K, row 3"
                                        << "Not counted";
    QTest::newRow("blank team") << plainGame(" ").bytes() << none << "a.quorvel"
                                << ""
                                << "away team has no name";
    QTest::newRow("equal teams") << plainGame("owls", "Owls ").bytes() << none << "a.quorvel"
                                 << ""
                                 << "Both teams are called";
    QTest::newRow("refused file") << QByteArray("{\"format\": ") << none << "a.quorvel"
                                  << ""
                                  << "not valid JSON";
    QTest::newRow("same teams, date and number")
        << plainGame().number(1).bytes() << plainGame().number(1).hitter(Away, 2, "Jay", 0).bytes() << "a.quorvel"
        << ""
        << "same teams, date and number";
    QTest::newRow("similar names") << plainGame().bytes()
                                   << plainGame().hitter(Away, 1, "Itó", 1, 1).inning(Home, 2, {}, 0).bytes() << ""
                                   << ""
                                   << "Owls: \"Ito\" and \"Itó\" may be the same player.";
    GameBuilder unfinished = plainGame();
    unfinished.details().win = "Ace";
    QTest::newRow("decision without a winner") << unfinished.final(false).bytes() << none << "a.quorvel"
                                               << ""
                                               << "no winner";
}

void TestSeasonFigures::problems()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, file);
    QFETCH(QString, row);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    GameBuilder::saveFile(folder.filePath("a.quorvel"), first);
    if (!second.isEmpty())
        GameBuilder::saveFile(folder.filePath("b.quorvel"), second);
    const SeasonFigures figures = readSeason(folder.path());
    QStringList found;
    for (const CheckRow &check : figures.checks)
        found << check.file + u'|' + check.row + u'|' + check.problem;
    const QString wanted = file + u'|' + row + u'|';
    QVERIFY2(std::any_of(found.begin(), found.end(),
                         [&](const QString &line) { return line.startsWith(wanted) && line.contains(problem); }),
             qPrintable(found.join(u'\n')));
    // Whatever is wrong, the rest of a readable game still counts.
    if (!first.startsWith("{\"format"))
        QVERIFY(!figures.games.empty());
}

QTEST_GUILESS_MAIN(TestSeasonFigures)
#include "TestSeasonFigures.moc"
