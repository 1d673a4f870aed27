#include "SheetRecorder.h"

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
    // A reset ended by an overflow lets the error out with the pull counters free again.
    void errorEndsReset();
    // A new sheet starts from zero totals: nothing of a closed sheet carries over.
    void newSheetForgetsTotals();

private:
    void fillSmallGame();

    std::unique_ptr<Scoresheet> m_sheet;
};

void TestScoresheetReset::init()
{
    m_sheet.reset();
    m_sheet = std::make_unique<Scoresheet>();
}

void TestScoresheetReset::fillSmallGame()
{
    m_sheet->field("txtTeamA").write("Bears");
    m_sheet->field("txtTeamH").write("Cubs");
    m_sheet->field("txtHitterA", 1).write("Ann");
    m_sheet->field("txtHitA", 1).write("1");
    m_sheet->field("txtRBIA", 1).write("1");
    m_sheet->field("txt2bA", 1).write("1");
    m_sheet->field("txtPitcherA", 1).write("P");
    m_sheet->field("txtRA", 1).write("1");
    m_sheet->field("txtHitPA", 1).write("2");
    m_sheet->field("txtBBA", 1).write("1");
    m_sheet->field("txtRH", 2).write("3");
}

void TestScoresheetReset::noChangesNothing()
{
    fillSmallGame();
    QStringList before;
    for (const Field *field : m_sheet->fields())
        before << field->text();
    const SheetState state = m_sheet->state();
    SheetRecorder recorder(*m_sheet);

    QVERIFY(!m_sheet->reset([] { return false; }));

    QStringList after;
    for (const Field *field : m_sheet->fields())
        after << field->text();
    QCOMPARE(after, before);
    QCOMPARE(recorder.changes(), QStringList());
    QVERIFY(m_sheet->state() == state);
}

void TestScoresheetReset::asksTheQuestion()
{
    int asked = 0;
    m_sheet->reset([&] {
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

    QVERIFY(m_sheet->reset(yes));
    // Worked out by hand from the fixed order; note the RBI total written back into
    // element 0 right after the reset's "0", and NEED H following the hidden H element.
    // clang-format off
    QCOMPARE(recorder.changes(), QStringList({
        "txtRunsA=0", "txtRunsH=0", "txtHitsA=0", "txtHitsA2=0",                           // counters
        "txtRBIA_0=0", "txtRBIA_0=1", "txtNeedHRBIA=-1", "txtRBIH_0=0", "txtNeedHRBIH=0",  // RBI totals
        "txtNeedHRBIA=0", "txtNeedHA=0",                                                    // need counters
        "txtHitPA_0=0", "txtNeedHA=1", "txtHitsA=2", "txtHitsA2=2", "txtHitPH_0=0",        // inning H totals
        "txtHitterA_1=", "txtHitA_1=", "txtHitsA=0", "txtHitsA2=0", "txtNeedHA=0",         // batting rows
        "txtRBIA_1=", "txtRBIA_0=0", "txt2bA_1=",
        "txtPitcherA_1=", "txtRA_1=", "txtRunsA2=0", "txtInnA_1=", "txtHitPA_1=",          // inning rows
        "txtBBA_1=", "txtPullA_1=", "txtRH_2=", "txtRunsH2=0", "txtInnH_2=", "txtPullH_2=",
    }));
    // clang-format on

    QVERIFY(!m_sheet->state().resetting);
}

void TestScoresheetReset::stateAfterReset()
{
    fillSmallGame();
    // Inning hits in every home row: NEED H must still read 0 once the sheet is cleared.
    for (int row = 1; row <= 14; ++row) {
        m_sheet->field("txtHitPH", row).write("1");
        m_sheet->field("txtKH", row).write("2");
    }
    QList<qint16> resettingWhileClearing;
    m_sheet->field("txtPullA", 1).setView([&](const QString &) {
        resettingWhileClearing << m_sheet->state().resetting;
    });
    QVERIFY(m_sheet->reset(yes));
    QCOMPARE(resettingWhileClearing, QList<qint16>({1}));

    const QStringList zeros = {"txtRunsA",  "txtRunsH",  "txtHitsA",   "txtHitsH",  "txtNeedHRBIA", "txtNeedHRBIH",
                               "txtNeedHA", "txtNeedHH", "txtRunsA2",  "txtRunsH2", "txtHitsA2",    "txtHitsH2",
                               "txtRBIA_0", "txtRBIH_0", "txtHitPA_0", "txtHitPH_0"};
    const QHash<QString, QString> names = {{"txtTeamA", "Bears"}, {"txtTeamA2", "Bears"}, {"txtTeamA3", "Bears"},
                                           {"txtTeamH", "Cubs"},  {"txtTeamH2", "Cubs"},  {"txtTeamH3", "Cubs"}};
    for (const Field *field : m_sheet->fields()) {
        const QString name = field->objectName();
        const QString expected = zeros.contains(name) ? QStringLiteral("0") : names.value(name);
        QVERIFY2(field->text() == expected, qPrintable(name + " holds " + field->text()));
    }
    QCOMPARE(m_sheet->state().pitchHitsA, qint16(0));
    QCOMPARE(m_sheet->state().pitchHitsH, qint16(0));
    QCOMPARE(m_sheet->state().currentRow, qint16(14)); // the last inning H cleared
    QVERIFY(!m_sheet->state().resetting);
}

void TestScoresheetReset::pullCountersStandStill()
{
    for (int row = 1; row <= 14; ++row) {
        for (const char *column : {"txtRA", "txtHitPA", "txtBBA", "txtRH", "txtHitPH", "txtBBH"})
            m_sheet->field(column, row).write(QString::number(row % 3 + 1));
    }
    QCOMPARE(m_sheet->field("txtPullH", 14).text(), QStringLiteral("101")); // 3 x 29 + 14
    SheetRecorder recorder(*m_sheet);
    QVERIFY(m_sheet->reset(yes));
    for (const QString &change : recorder.changes())
        QVERIFY2(!change.startsWith("txtPull") || change.endsWith(u'='), qPrintable(change));
    QCOMPARE(recorder.changes().filter("txtPull").size(), 28);

    m_sheet->field("txtBBH", 3).write("2");
    QCOMPARE(m_sheet->field("txtPullH", 3).text(), QStringLiteral("3"));
}

void TestScoresheetReset::secondResetRaisesNothing()
{
    fillSmallGame();
    QVERIFY(m_sheet->reset(yes));
    SheetRecorder recorder(*m_sheet);
    QVERIFY(m_sheet->reset(yes));
    QCOMPARE(recorder.changes(), QStringList());
}

void TestScoresheetReset::errorEndsReset()
{
    m_sheet->field("txtHitA", 1).write("30000");
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, m_sheet->field("txtHitA", 2).write("30000"));
    try {
        m_sheet->reset(yes);
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        // Step 7 reads the batting total for NEED H.
        QCOMPARE(error.fieldName(), QStringLiteral("txtHitA"));
    }
    QVERIFY(!m_sheet->state().resetting);
    QCOMPARE(m_sheet->field("txtHitPA", 0).text(), QStringLiteral("0"));    // written before the error
    QCOMPARE(m_sheet->field("txtHitA", 1).text(), QStringLiteral("30000")); // not reached
    m_sheet->field("txtRA", 2).write("1");
    QCOMPARE(m_sheet->field("txtPullA", 2).text(), QStringLiteral("2")); // pull counters are alive

    m_sheet->field("txtHitA", 2).write("");
    QVERIFY(m_sheet->reset(yes));
    QCOMPARE(m_sheet->field("txtHitA", 1).text(), QString());
}

void TestScoresheetReset::newSheetForgetsTotals()
{
    m_sheet->field("txtHitPA", 1).write("5");
    m_sheet->field("txtHitPH", 3).write("4");
    QCOMPARE(m_sheet->state().pitchHitsA, qint16(5));
    QCOMPARE(m_sheet->state().currentRow, qint16(3));

    m_sheet.reset();  // the window closes ...
    Scoresheet fresh; // ... and opens again
    QVERIFY(fresh.state() == SheetState{});
    fresh.field("txtHitA", 1).write("1");
    QCOMPARE(fresh.field("txtNeedHA").text(), QStringLiteral("-1")); // not 5 - 1
}

QTEST_GUILESS_MAIN(TestScoresheetReset)
#include "TestScoresheetReset.moc"
