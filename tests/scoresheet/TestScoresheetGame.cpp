#include "scoresheet/Scoresheet.h"
#include "support/NineInnings.h"

#include <QTest>

class TestScoresheetGame : public QObject
{
    Q_OBJECT

private slots:
    // Nine innings typed into both halves keep every counter, linescore cell and pull
    // counter equal to totals worked out independently, after every half-inning.
    void nineInnings();

private:
    void checkTeam(const TeamAtBat &team, int inningsPlayed);

    Scoresheet *m_sheet = nullptr;
};

void TestScoresheetGame::checkTeam(const TeamAtBat &team, int inningsPlayed)
{
    const auto expect = [&](const QString &name, int value) {
        QVERIFY2(m_sheet->field(name).text() == QString::number(value),
                 qPrintable(QStringLiteral("inning %1: %2 is \"%3\", expected %4")
                                .arg(inningsPlayed)
                                .arg(name, m_sheet->field(name).text())
                                .arg(value)));
    };
    const int runs = team.sum(team.runs, inningsPlayed);
    const int hits = team.sum(team.hits, inningsPlayed);
    expect(team.name("txtRuns"), runs);
    expect(team.name("txtRuns") + u'2', runs);
    expect(team.name("txtHits"), hits);
    expect(team.name("txtHits") + u'2', hits);
    expect(team.name("txtNeedH"), 0);
    expect(team.name("txtNeedHRBI"), runs - team.rbiTotal());
    QCOMPARE(m_sheet->field(team.name("txtRBI"), 0).text(), QString::number(team.rbiTotal()));
    QCOMPARE(team.side == u'A' ? m_sheet->state().pitchHitsA : m_sheet->state().pitchHitsH, qint16(hits));
    QCOMPARE(team.creditedHits(), hits);
    for (int inning = 1; inning <= 14; ++inning) {
        const bool played = inning <= inningsPlayed;
        QCOMPARE(m_sheet->field(team.name("txtInn"), inning).text(),
                 played ? QString::number(team.runs[inning]) : QString());
        QCOMPARE(m_sheet->field(team.name("txtPull"), inning).text(),
                 played ? QString::number(team.pull[inning]) : QString());
    }
    for (int slot = 1; slot <= 12; ++slot) {
        const auto shown = [&](int value) { return value ? QString::number(value) : QString(); };
        QCOMPARE(m_sheet->field(team.name("txtHit"), slot).text(), shown(team.battingHits[slot]));
        QCOMPARE(m_sheet->field(team.name("txtRBI"), slot).text(), shown(team.rbi[slot]));
        QCOMPARE(m_sheet->field(team.name("txt2b"), slot).text(), shown(team.doubles[slot]));
    }
}

void TestScoresheetGame::nineInnings()
{
    Scoresheet sheet;
    m_sheet = &sheet;
    NineInnings game;
    game.type(sheet, [&](const TeamAtBat &team, int inning, NineInnings::Moment moment) {
        if (QTest::currentTestFailed())
            return;
        if (moment == NineInnings::Moment::LineEntered)
            QCOMPARE(sheet.field(team.name("txtNeedH")).text(),
                     QString::number(team.sum(team.hits, inning) - team.creditedHits()));
        else
            checkTeam(team, inning);
    });
    if (QTest::currentTestFailed())
        return;
    const TeamAtBat &away = game.away;
    const TeamAtBat &home = game.home;
    QVERIFY(away.sum(away.runs, 9) > 5 && home.sum(home.hits, 9) > 5); // the game is not trivial
    QCOMPARE(sheet.field("txtTeamA3").text() + '/' + sheet.field("txtTeamH2").text(), away.team + '/' + home.team);
    QVERIFY(!sheet.state().resetting);
    m_sheet = nullptr;
}

QTEST_GUILESS_MAIN(TestScoresheetGame)
#include "TestScoresheetGame.moc"
