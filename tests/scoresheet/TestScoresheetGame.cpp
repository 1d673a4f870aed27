#include "app/ModGeneral.h"
#include "scoresheet/Scoresheet.h"

#include <QTest>

#include <array>
#include <numeric>

namespace {

// One team's innings at bat, with everything the sheet should derive from them,
// worked out here without the sheet's help.
struct TeamAtBat
{
    explicit TeamAtBat(QChar side)
        : half(side)
    {
    }

    QChar half;
    std::array<int, 15> runs{}, earned{}, hits{}, strikeouts{}, walks{}, pull{};
    std::array<QString, 15> pitcher;
    std::array<int, 13> battingHits{}, rbi{}, doubles{};
    int cursor = 0;

    QString name(const char *stem) const { return QLatin1StringView(stem) + half; }
    // The column's total over the innings played so far.
    static int sum(const std::array<int, 15> &column, int innings)
    {
        return std::accumulate(column.begin() + 1, column.begin() + 1 + innings, 0);
    }
    int rbiTotal() const { return std::accumulate(rbi.begin(), rbi.end(), 0); }
    int creditedHits() const { return std::accumulate(battingHits.begin(), battingHits.end(), 0); }
};

// A small fixed generator, so the game is the same on every run.
class Dice
{
public:
    int upTo(int most) // 0..most
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) % unsigned(most + 1));
    }

private:
    quint32 m_state = 20240611u;
};

} // namespace

class TestScoresheetGame : public QObject
{
    Q_OBJECT

private slots:
    // Nine innings typed into both halves keep every counter, linescore cell and pull
    // counter equal to totals worked out independently, after every half-inning.
    void nineInnings();

private:
    void typeOver(const QString &name, int index, int value);
    void creditHits(TeamAtBat &team, int inning, Dice &dice);
    void enterInningLine(TeamAtBat &team, int inning);
    void checkTeam(const TeamAtBat &team, int inningsPlayed);

    ModGeneral m_shared;
    Scoresheet *m_sheet = nullptr;
};

// The user selects the old text and types the new number, one write per keystroke.
void TestScoresheetGame::typeOver(const QString &name, int index, int value)
{
    const QString text = QString::number(value);
    for (int length = 1; length <= text.size(); ++length)
        m_sheet->write(name, index, text.left(length));
}

void TestScoresheetGame::creditHits(TeamAtBat &team, int inning, Dice &dice)
{
    for (int hit = 0; hit < team.hits[inning]; ++hit) {
        const int slot = team.cursor % 12 + 1;
        team.cursor += 1 + dice.upTo(2);
        typeOver(team.name("txtHit"), slot, ++team.battingHits[slot]);
        if (dice.upTo(3) == 0)
            typeOver(team.name("txt2b"), slot, ++team.doubles[slot]);
        // The hit that drove in the inning's earned runs is credited with them.
        if (hit == team.hits[inning] - 1 && team.earned[inning] > 0) {
            team.rbi[slot] += team.earned[inning];
            typeOver(team.name("txtRBI"), slot, team.rbi[slot]);
        }
    }
}

void TestScoresheetGame::enterInningLine(TeamAtBat &team, int inning)
{
    if (!team.pitcher[inning].isEmpty())
        m_sheet->write(team.name("txtPitcher"), inning, team.pitcher[inning]);
    typeOver(team.name("txtR"), inning, team.runs[inning]);
    typeOver(team.name("txtER"), inning, team.earned[inning]);
    typeOver(team.name("txtHitP"), inning, team.hits[inning]);
    typeOver(team.name("txtK"), inning, team.strikeouts[inning]);
    typeOver(team.name("txtBB"), inning, team.walks[inning]);
    const int base = team.runs[inning] + 1 + team.hits[inning] + team.walks[inning];
    const bool sameArm = inning > 1 && team.pitcher[inning].isEmpty();
    team.pull[inning] = base + (sameArm ? team.pull[inning - 1] : 0);
}

void TestScoresheetGame::checkTeam(const TeamAtBat &team, int inningsPlayed)
{
    const auto expect = [&](const QString &name, int value) {
        QVERIFY2(m_sheet->text(name) == QString::number(value),
                 qPrintable(QStringLiteral("inning %1: %2 is \"%3\", expected %4")
                                .arg(inningsPlayed)
                                .arg(name, m_sheet->text(name))
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
    QCOMPARE(m_sheet->text(team.name("txtRBI"), 0), QString::number(team.rbiTotal()));
    QCOMPARE(team.half == u'A' ? m_shared.PitchHitsA : m_shared.PitchHitsH, qint16(hits));
    QCOMPARE(team.creditedHits(), hits);
    for (int inning = 1; inning <= 14; ++inning) {
        const bool played = inning <= inningsPlayed;
        QCOMPARE(m_sheet->text(team.name("txtInn"), inning), played ? QString::number(team.runs[inning]) : QString());
        QCOMPARE(m_sheet->text(team.name("txtPull"), inning), played ? QString::number(team.pull[inning]) : QString());
    }
    for (int slot = 1; slot <= 12; ++slot) {
        const auto shown = [&](int value) { return value ? QString::number(value) : QString(); };
        QCOMPARE(m_sheet->text(team.name("txtHit"), slot), shown(team.battingHits[slot]));
        QCOMPARE(m_sheet->text(team.name("txtRBI"), slot), shown(team.rbi[slot]));
        QCOMPARE(m_sheet->text(team.name("txt2b"), slot), shown(team.doubles[slot]));
    }
}

void TestScoresheetGame::nineInnings()
{
    Scoresheet sheet(m_shared);
    m_sheet = &sheet;
    Dice dice;
    TeamAtBat away(u'A');
    TeamAtBat home(u'H');
    sheet.write("txtTeamA", "Bears");
    sheet.write("txtTeamH", "Cubs");
    // The pitchers each half faces: a starter, a reliever from the 6th, a closer in the 9th.
    for (TeamAtBat *team : {&away, &home}) {
        team->pitcher[1] = team == &away ? "Starter H" : "Starter A";
        team->pitcher[6] = "Relief";
        team->pitcher[9] = "Closer";
        for (int inning = 1; inning <= 9; ++inning) {
            team->hits[inning] = dice.upTo(3);
            team->walks[inning] = dice.upTo(2);
            team->strikeouts[inning] = dice.upTo(3);
            team->runs[inning] = dice.upTo(qMin(team->hits[inning] + team->walks[inning], 3));
            team->earned[inning] = team->hits[inning] ? team->runs[inning] - dice.upTo(team->runs[inning] ? 1 : 0) : 0;
        }
    }

    for (int inning = 1; inning <= 9; ++inning) {
        for (TeamAtBat *team : {&away, &home}) {
            if (inning % 2) {
                // Hitters credited as the inning goes, the pitcher's line at its end.
                creditHits(*team, inning, dice);
                enterInningLine(*team, inning);
            } else {
                // The line first: NEED H shows the hits still to credit.
                const int creditedBefore = team->creditedHits();
                enterInningLine(*team, inning);
                QCOMPARE(sheet.text(team->name("txtNeedH")), QString::number(team->sum(team->hits, inning) - creditedBefore));
                creditHits(*team, inning, dice);
            }
            checkTeam(*team, inning);
            if (QTest::currentTestFailed())
                return;
        }
    }
    QVERIFY(away.sum(away.runs, 9) > 5 && home.sum(home.hits, 9) > 5); // the game is not trivial
    QCOMPARE(sheet.text("txtTeamA3") + '/' + sheet.text("txtTeamH2"), QStringLiteral("Bears/Cubs"));
    QCOMPARE(m_shared.Resetting, qint16(0));
    m_sheet = nullptr;
}

QTEST_GUILESS_MAIN(TestScoresheetGame)
#include "TestScoresheetGame.moc"
