#include "GameBuilder.h"
#include "ReportSeason.h"
#include "SeasonRead.h"
#include "season/PennantRace.h"
#include "season/PlayerLog.h"
#include "season/TeamSeason.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList series(const ChartSeries &line)
{
    QStringList points;
    for (const ChartPoint &point : line.points)
        points << QStringLiteral("%1 %2").arg(point.date.toString(QStringLiteral("MM-dd"))).arg(point.value);
    return points;
}

} // namespace

class TestPennantRace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_figures = reportSeason(m_folder.path());
    }

    // Games behind the leader after each date, one point a date for every team (two games
    // on 04-02 make one point), in the standings' order; a team without a game yet is
    // behind as the standings would count it; the last point is the standings' GB.
    void gamesBehind();
    // With divisions each has its own race, counted against its own leader; a team yet to
    // play is 0-0 and may lead (never a negative GB); a division's points come only on the
    // dates its teams played.
    void divisions();
    // Runs scored and allowed per team, and a team's run differential after each date.
    void runs();
    // A team's page: its games in order with the running streak, outcomes counted only for
    // final games, runs by inning adding up to the standings' runs, the record against each
    // opponent, its hitters and pitchers.
    void teamSeason();
    // A player's log holds his lines in game order and his season's totals.
    void playerLog();
    // No final game, one team, or a name no team has: empty series, never a crash.
    void emptyStates();

private:
    QTemporaryDir m_folder;
    SeasonFigures m_figures;
};

void TestPennantRace::gamesBehind()
{
    const std::vector<RaceChart> race = PennantRace::gamesBehind(m_figures);
    QCOMPARE(race.size(), 1u);
    QCOMPARE(race[0].division, QString());
    QCOMPARE(race[0].teams.size(), 3u);
    QCOMPARE(race[0].teams[0].team, QStringLiteral("Bats"));
    QCOMPARE(series(race[0].teams[0]), (QStringList{"04-01 0", "04-02 0", "04-03 0", "04-04 0"}));
    QCOMPARE(race[0].teams[1].team, QStringLiteral("Owls"));
    QCOMPARE(series(race[0].teams[1]), (QStringList{"04-01 1", "04-02 1", "04-03 0.5", "04-04 0.5"}));
    QCOMPARE(race[0].teams[2].team, QStringLiteral("Cats"));
    QCOMPARE(series(race[0].teams[2]), (QStringList{"04-01 0.5", "04-02 2", "04-03 2.5", "04-04 2.5"}));
    for (std::size_t i = 0; i < race[0].teams.size(); ++i)
        QCOMPARE(race[0].teams[i].points.back().value, m_figures.standings[i].gamesBehind);
}

void TestPennantRace::divisions()
{
    QTemporaryDir folder;
    writeReportSeason(folder.path());
    GameBuilder::saveFile(QDir(folder.path()).filePath("season.json"),
                          R"({"format": "quorvel-season", "version": 1, "divisions": {"East": ["Owls", "Cats"]}})");
    const SeasonFigures figures = readSeason(folder.path());
    const std::vector<RaceChart> race = PennantRace::gamesBehind(figures);
    QCOMPARE(race.size(), 2u);
    QCOMPARE(race[0].division, QStringLiteral("East"));
    QCOMPARE(race[0].teams[0].team, QStringLiteral("Owls"));
    QCOMPARE(series(race[0].teams[0]), (QStringList{"04-01 0.5", "04-02 0", "04-03 0", "04-04 0"}));
    QCOMPARE(series(race[0].teams[1]), (QStringList{"04-01 0", "04-02 1", "04-03 2", "04-04 2"}));
    QCOMPARE(race[0].teams[1].points.back().value, figures.standings[1].gamesBehind);
    // The Bats alone, on the dates they played.
    QCOMPARE(race[1].division, QString());
    QCOMPARE(series(race[1].teams[0]), (QStringList{"04-01 0", "04-02 0", "04-04 0"}));
}

void TestPennantRace::runs()
{
    QStringList runs;
    for (const TeamRuns &team : PennantRace::runs(m_figures))
        runs << QStringLiteral("%1 %2-%3").arg(team.team).arg(team.scored).arg(team.allowed);
    QCOMPARE(runs, (QStringList{"Bats 8-3", "Owls 14-8", "Cats 3-14"}));
    const ChartSeries owls = PennantRace::runDifferential(m_figures, TeamSeason::find(m_figures, "Owls"));
    QCOMPARE(owls.team, QStringLiteral("Owls"));
    QCOMPARE(series(owls), (QStringList{"04-01 -2", "04-02 2", "04-03 6", "04-04 6"}));
}

void TestPennantRace::teamSeason()
{
    const TeamSeason owls = TeamSeason::of(m_figures, TeamSeason::find(m_figures, "Owls"));
    QStringList results;
    for (const TeamResult &r : owls.results)
        results << QStringLiteral("%1 %2 %3 %4-%5 %6 %7")
                       .arg(r.date.toString(QStringLiteral("MM-dd")), r.home ? "home" : "road", r.opponent)
                       .arg(r.runsFor)
                       .arg(r.runsAgainst)
                       .arg(r.outcome, r.streak);
    QCOMPARE(results, (QStringList{"04-01 road Bats 2-4 L L1", "04-02 home Cats 5-1 W W1", "04-03 road Cats 6-2 W W2",
                                   "04-04 home Bats 1-1 T T1"}));
    QCOMPARE(owls.results[2].game, 3);
    QCOMPARE(owls.runsFor[1], 7);
    QCOMPARE(owls.runsFor[2], 6);
    QCOMPARE(owls.runsFor[7], 1);
    QCOMPARE(owls.runsAgainst[1], 7);
    QCOMPARE(owls.runsAgainst[5], 1);
    QCOMPARE(std::accumulate(owls.runsFor.begin(), owls.runsFor.end(), qint64(0)), m_figures.standings[1].runsScored);
    QCOMPARE(std::accumulate(owls.runsAgainst.begin(), owls.runsAgainst.end(), qint64(0)),
             m_figures.standings[1].runsAllowed);
    QCOMPARE(owls.innings, 9);
    QStringList opponents;
    for (const OpponentRecord &o : owls.opponents)
        opponents << QStringLiteral("%1 %2-%3-%4 %5-%6")
                         .arg(o.opponent)
                         .arg(o.wins)
                         .arg(o.losses)
                         .arg(o.ties)
                         .arg(o.runsFor)
                         .arg(o.runsAgainst);
    QCOMPARE(opponents, (QStringList{"Bats 0-1-1 3-5", "Cats 2-0-0 11-3"}));
    QCOMPARE(owls.hitters.size(), 3u);
    QCOMPARE(owls.pitchers.size(), 2u);
    QCOMPARE(owls.pitchers[0].player, QStringLiteral("Ace"));

    // An unfinished game is listed without an outcome and leaves the streak as it was.
    QTemporaryDir folder;
    writeReportSeason(folder.path());
    GameBuilder later(QStringLiteral("Owls"), QStringLiteral("Cats"), QDate(2024, 4, 5));
    later.inning(Side::Away, 1, QStringLiteral("Pat"), 1).quietInnings(Side::Away, 2, 4);
    later.quietInnings(Side::Home, 1, 3, QStringLiteral("Ace"));
    later.save(folder.path(), QStringLiteral("g6.quorvel"));
    const SeasonFigures figures = readSeason(folder.path());
    const TeamSeason again = TeamSeason::of(figures, TeamSeason::find(figures, "Owls"));
    QCOMPARE(again.results.size(), 5u);
    QCOMPARE(again.results.back().outcome, QString());
    QVERIFY(!again.results.back().final);
    QCOMPARE(again.results.back().streak, QStringLiteral("T1"));
    QCOMPARE(again.wins + again.losses + again.ties, 4);
}

void TestPennantRace::playerLog()
{
    const BattingRow *kim = findPlayer(m_figures.batting, QStringLiteral("Kim"));
    QVERIFY(kim);
    const PlayerLog log = PlayerLog::of(m_figures, kim->id);
    QCOMPARE(log.name, QStringLiteral("Kim"));
    QCOMPARE(log.team, QStringLiteral("Owls"));
    QList<int> games, hits;
    for (const BattingLogRow &row : log.batting) {
        games << row.game;
        hits << row.hits;
    }
    QCOMPARE(games, (QList<int>{0, 1, 3, 4}));
    QCOMPARE(hits, (QList<int>{1, 3, 2, 1}));
    QCOMPARE(log.battingTotals.hits, 7);
    QCOMPARE(log.pitchingTotals.games, 0);
    QVERIFY(log.pitching.empty());
    const PitchingRow *ace = findPlayer(m_figures.pitching, QStringLiteral("Ace"));
    QVERIFY(ace);
    QCOMPARE(PlayerLog::of(m_figures, ace->id).pitching.size(), 4u);
    QCOMPARE(PlayerLog::of(m_figures, ace->id).pitchingTotals.innings, 33);
}

void TestPennantRace::emptyStates()
{
    const SeasonFigures none;
    QVERIFY(PennantRace::gamesBehind(none).empty());
    QVERIFY(PennantRace::runs(none).empty());
    QVERIFY(PennantRace::runDifferential(none, 0).points.empty());
    QCOMPARE(TeamSeason::of(none, 0).team, -1);
    QCOMPARE(TeamSeason::find(none, QString()), -1);
    QCOMPARE(PlayerLog::of(none, 3).player, -1);

    // One team, one unfinished game: a race without points.
    QTemporaryDir folder;
    GameBuilder game(QStringLiteral("Owls"), QString());
    game.inning(Side::Away, 1, QStringLiteral("Pat"), 1).quietInnings(Side::Away, 2, 3);
    game.save(folder.path(), QStringLiteral("one.quorvel"));
    const SeasonFigures one = readSeason(folder.path());
    const std::vector<RaceChart> race = PennantRace::gamesBehind(one);
    QCOMPARE(race.size(), 1u);
    QCOMPARE(race[0].teams.size(), 1u);
    QVERIFY(race[0].teams[0].points.empty());
    const TeamSeason owls = TeamSeason::of(one, TeamSeason::find(one, "Owls"));
    QCOMPARE(owls.results.size(), 1u);
    QCOMPARE(owls.results[0].opponent, QString());
}

QTEST_GUILESS_MAIN(TestPennantRace)
#include "TestPennantRace.moc"
