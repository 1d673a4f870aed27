#include "SheetRecorder.h"

#include "app/ModGeneral.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <QTest>

#include <memory>

namespace {

const auto yes = [] { return true; };

} // namespace

class TestScoresheetReset : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Answering No changes nothing at all, the linescore totals included.
    void noChangesNothing();
    // The question is asked once, with the sheet's own wording.
    void asksTheQuestion();
    // The clearing runs in its fixed order, handlers following every write.
    void order();
    // After a reset: rows empty, counters and element 0 at "0", names and copies kept.
    void stateAfterReset();
    // No pull counter is refilled while the sheet clears; afterwards they count again.
    void pullCountersStandStill();
    // A reset of a freshly reset sheet raises nothing, not even the hidden elements 0.
    void secondResetRaisesNothing();
    // A reset ended by an overflow lets the error out with Resetting back at 0.
    void errorEndsReset();
    // A new sheet starts from zero totals in the shared integers, SoundOn untouched.
    void newSheetForgetsTotals();

private:
    void fillSmallGame();

    ModGeneral m_shared;
    std::unique_ptr<Scoresheet> m_sheet;
};

void TestScoresheetReset::init()
{
    m_sheet.reset();
    m_shared = ModGeneral{};
    m_sheet = std::make_unique<Scoresheet>(m_shared);
}

void TestScoresheetReset::fillSmallGame()
{
    m_sheet->write("txtTeamA", "Bears");
    m_sheet->write("txtTeamH", "Cubs");
    m_sheet->write("txtHitterA", 1, "Ann");
    m_sheet->write("txtHitA", 1, "1");
    m_sheet->write("txtRBIA", 1, "1");
    m_sheet->write("txt2bA", 1, "1");
    m_sheet->write("txtPitcherA", 1, "P");
    m_sheet->write("txtRA", 1, "1");
    m_sheet->write("txtHitPA", 1, "2");
    m_sheet->write("txtBBA", 1, "1");
    m_sheet->write("txtRH", 2, "3");
}

void TestScoresheetReset::noChangesNothing()
{
    fillSmallGame();
    QStringList before;
    for (const Field *field : m_sheet->fields())
        before << field->text();
    const ModGeneral shared = m_shared;
    SheetRecorder recorder(*m_sheet);

    QVERIFY(!m_sheet->cmdReset_Click([] { return false; }));

    QStringList after;
    for (const Field *field : m_sheet->fields())
        after << field->text();
    QCOMPARE(after, before);
    QCOMPARE(recorder.changes(), QStringList());
    QCOMPARE(m_shared.PitchHitsA, shared.PitchHitsA);
    QCOMPARE(m_shared.CurrentRow, shared.CurrentRow);
    QCOMPARE(m_shared.Resetting, qint16(0));
}

void TestScoresheetReset::asksTheQuestion()
{
    int asked = 0;
    m_sheet->cmdReset_Click([&] {
        ++asked;
        return false;
    });
    QCOMPARE(asked, 1);
    QCOMPARE(Scoresheet::resetQuestion(), QStringLiteral("Are you sure you want to Reset the Scoresheet?"));
}

void TestScoresheetReset::order()
{
    fillSmallGame();
    SheetRecorder recorder(*m_sheet);

    QVERIFY(m_sheet->cmdReset_Click(yes));
    // Worked out by hand from the fixed order; note the RBI total written back into
    // element 0 right after the reset's "0", and NEED H following the hidden H element.
    QCOMPARE(recorder.changes(), QStringList({
        "txtRunsA=0", "txtRunsH=0", "txtHitsA=0", "txtHitsA2=0",                // step 4
        "txtRBIA_0=0", "txtRBIA_0=1", "txtNeedHRBIA=-1", "txtRBIH_0=0", "txtNeedHRBIH=0", // step 5
        "txtNeedHRBIA=0", "txtNeedHA=0",                                         // step 6
        "txtHitPA_0=0", "txtNeedHA=1", "txtHitsA=2", "txtHitsA2=2", "txtHitPH_0=0", // step 7
        "txtHitterA_1=", "txtHitA_1=", "txtHitsA=0", "txtHitsA2=0", "txtNeedHA=0", // step 9
        "txtRBIA_1=", "txtRBIA_0=0", "txt2bA_1=",
        "txtPitcherA_1=", "txtRA_1=", "txtRunsA2=0", "txtInnA_1=", "txtHitPA_1=", // step 10
        "txtBBA_1=", "txtPullA_1=", "txtRH_2=", "txtRunsH2=0", "txtInnH_2=", "txtPullH_2=",
    }));
    QCOMPARE(m_shared.Resetting, qint16(0));
}

void TestScoresheetReset::stateAfterReset()
{
    fillSmallGame();
    for (int row = 1; row <= 14; ++row) {
        m_sheet->write("txtHitPH", row, "1"); // NEED H would end at -1 without the fix
        m_sheet->write("txtKH", row, "2");
    }
    QList<qint16> resettingWhileClearing;
    m_sheet->field("txtPullA", 1).setView([&](const QString &) { resettingWhileClearing << m_shared.Resetting; });
    QVERIFY(m_sheet->cmdReset_Click(yes));
    QCOMPARE(resettingWhileClearing, QList<qint16>({1}));

    const QStringList zeros = {"txtRunsA", "txtRunsH", "txtHitsA", "txtHitsH", "txtNeedHRBIA", "txtNeedHRBIH",
                               "txtNeedHA", "txtNeedHH", "txtRunsA2", "txtRunsH2", "txtHitsA2", "txtHitsH2",
                               "txtRBIA_0", "txtRBIH_0", "txtHitPA_0", "txtHitPH_0"};
    const QHash<QString, QString> names = {{"txtTeamA", "Bears"}, {"txtTeamA2", "Bears"}, {"txtTeamA3", "Bears"},
                                           {"txtTeamH", "Cubs"},  {"txtTeamH2", "Cubs"},  {"txtTeamH3", "Cubs"}};
    for (const Field *field : m_sheet->fields()) {
        const QString name = field->objectName();
        const QString expected = zeros.contains(name) ? QStringLiteral("0") : names.value(name);
        QVERIFY2(field->text() == expected, qPrintable(name + " holds " + field->text()));
    }
    QCOMPARE(m_shared.PitchHitsA, qint16(0));
    QCOMPARE(m_shared.PitchHitsH, qint16(0));
    QCOMPARE(m_shared.CurrentRow, qint16(14)); // the last inning H cleared
    QCOMPARE(m_shared.Resetting, qint16(0));
}

void TestScoresheetReset::pullCountersStandStill()
{
    for (int row = 1; row <= 14; ++row) {
        for (const char *column : {"txtRA", "txtHitPA", "txtBBA", "txtRH", "txtHitPH", "txtBBH"})
            m_sheet->write(column, row, QString::number(row % 3 + 1));
    }
    QCOMPARE(m_sheet->text("txtPullH", 14), QStringLiteral("101")); // 3 x 29 + 14
    SheetRecorder recorder(*m_sheet);
    QVERIFY(m_sheet->cmdReset_Click(yes));
    for (const QString &change : recorder.changes())
        QVERIFY2(!change.startsWith("txtPull") || change.endsWith(u'='), qPrintable(change));
    QCOMPARE(recorder.changes().filter("txtPull").size(), 28);

    m_sheet->write("txtBBH", 3, "2");
    QCOMPARE(m_sheet->text("txtPullH", 3), QStringLiteral("3"));
}

void TestScoresheetReset::secondResetRaisesNothing()
{
    fillSmallGame();
    QVERIFY(m_sheet->cmdReset_Click(yes));
    SheetRecorder recorder(*m_sheet);
    QVERIFY(m_sheet->cmdReset_Click(yes));
    QCOMPARE(recorder.changes(), QStringList());
}

void TestScoresheetReset::errorEndsReset()
{
    m_sheet->write("txtHitA", 1, "30000");
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, m_sheet->write("txtHitA", 2, "30000"));
    try {
        m_sheet->cmdReset_Click(yes);
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        // Step 7 reads the batting total for NEED H.
        QCOMPARE(error.fieldName(), QStringLiteral("txtHitA"));
    }
    QCOMPARE(m_shared.Resetting, qint16(0));
    QCOMPARE(m_sheet->text("txtHitPA", 0), QStringLiteral("0"));   // written before the error
    QCOMPARE(m_sheet->text("txtHitA", 1), QStringLiteral("30000")); // not reached
    m_sheet->write("txtRA", 2, "1");
    QCOMPARE(m_sheet->text("txtPullA", 2), QStringLiteral("2")); // pull counters are alive

    m_sheet->write("txtHitA", 2, "");
    QVERIFY(m_sheet->cmdReset_Click(yes));
    QCOMPARE(m_sheet->text("txtHitA", 1), QString());
}

void TestScoresheetReset::newSheetForgetsTotals()
{
    m_sheet->write("txtHitPA", 1, "5");
    m_sheet->write("txtHitPH", 3, "4");
    m_shared.SoundOn = 1;
    QCOMPARE(m_shared.PitchHitsA, qint16(5));
    QCOMPARE(m_shared.CurrentRow, qint16(3));

    m_sheet.reset(); // the window closes ...
    Scoresheet fresh(m_shared); // ... and opens again
    QCOMPARE(m_shared.PitchHitsA, qint16(0));
    QCOMPARE(m_shared.PitchHitsH, qint16(0));
    QCOMPARE(m_shared.CurrentRow, qint16(0));
    QCOMPARE(m_shared.SoundOn, qint16(1));
    fresh.write("txtHitA", 1, "1");
    QCOMPARE(fresh.text("txtNeedHA"), QStringLiteral("-1")); // not 5 - 1
}

QTEST_GUILESS_MAIN(TestScoresheetReset)
#include "TestScoresheetReset.moc"
