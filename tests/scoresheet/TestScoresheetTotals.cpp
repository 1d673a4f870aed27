#include "SheetRecorder.h"

#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <QTest>

#include <memory>

namespace {

// A step of a scenario: write text into name(index), then expect texts of fields.
struct Step
{
    const char *name;
    int index;
    const char *text;
    QList<QPair<const char *, const char *>> expect;
};

} // namespace

Q_DECLARE_METATYPE(Step)

class TestScoresheetTotals : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Batting and inning H keep HITS, linescore H and NEED H in step, in both halves.
    void hitsAndNeedH_data();
    void hitsAndNeedH();
    // The keystroke cascade: exactly the fields that change, in order.
    void battingCascadeOrder();
    // NEED H is inning hits minus credited hits even after two inning changes in a row.
    void needHAfterInningChanges();
    // A batting H change recomputes no pull counter, in either half.
    void battingHitRunsNoPull();
    // RUNS, linescore R and inning cell, NEED H+RBI follow the R column.
    void runsAndLinescore_data();
    void runsAndLinescore();
    // Team names show at once in both copies.
    void teamNames();
    // A BB change writes nothing but its own row's pull counter.
    void walksOnlyPull();
    // The pull counter: a worked inning, negative entries, the same arm carrying on.
    void pullCounter_data();
    void pullCounter();
    // After row 1 changes, row 2 keeps its counter until it is recomputed.
    void pullRowsBelowStay();
    // Overflows stop the handler where they arise, name the field, and the sheet goes on.
    void overflowStopsHandler();
    // An overflow message names the column in plain words and the row the user sees, also in the away H column
    // whose fifth to seventh rows hold elements 7, 5 and 6.
    void overflowNamesTheRow_data();
    void overflowNamesTheRow();
    // The totals count every row down to the last: the 14th inning's R and H, the 12th hitter's H and RBI.
    void totalsCountTheLastRows_data();
    void totalsCountTheLastRows();

private:
    void play(const QList<Step> &steps);

    std::unique_ptr<Scoresheet> m_sheet;
};

void TestScoresheetTotals::init()
{
    m_sheet.reset();
    m_sheet = std::make_unique<Scoresheet>();
}

void TestScoresheetTotals::cleanup()
{
    m_sheet.reset();
}

void TestScoresheetTotals::play(const QList<Step> &steps)
{
    for (const Step &step : steps) {
        m_sheet->field(step.name, step.index).write(step.text);
        for (const auto &[field, text] : step.expect)
            QVERIFY2(m_sheet->field(field).text() == QLatin1StringView(text),
                     qPrintable(QStringLiteral("after %1(%2)=%3: %4 is \"%5\", expected \"%6\"")
                                    .arg(step.name)
                                    .arg(step.index)
                                    .arg(step.text, field, m_sheet->field(field).text(), text)));
    }
}

void TestScoresheetTotals::hitsAndNeedH_data()
{
    QTest::addColumn<QChar>("half");
    QTest::newRow("away") << QChar('A');
    QTest::newRow("home") << QChar('H');
}

void TestScoresheetTotals::hitsAndNeedH()
{
    QFETCH(QChar, half);
    const auto n = [&](const char *stem) { return (QString::fromLatin1(stem) + half).toLatin1(); };
    QByteArray hit = n("txtHit"), hitP = n("txtHitP"), hits = n("txtHits"), needH = n("txtNeedH");
    QByteArray hits2 = hits + '2';
    // Inning hits before batting hits and back: the last entry follows the corrected NEED H.
    play({
        {hitP, 1, "2", {{needH, "2"}, {hits, "2"}, {hits2, "2"}}},
        {hit, 1, "1", {{hits, "1"}, {hits2, "1"}, {needH, "1"}}},
        {hitP, 2, "1", {{needH, "2"}, {hits, "3"}, {hits2, "3"}}},
        {hitP, 3, "1", {{needH, "3"}, {hits, "4"}, {hits2, "4"}}},
        {hit, 2, "1", {{hits, "2"}, {hits2, "2"}, {needH, "2"}}},
        {hit, 3, "5", {{needH, "-3"}}},               // more credited than pitched
        {hit, 3, "0.5", {{hits, "2"}}},               // 2.5 rounds to 2
        {hit, 4, "0.5", {{hits, "2"}, {needH, "2"}}}, // ... and again, step by step
    });
    QCOMPARE(half == u'A' ? m_sheet->state().pitchHitsA : m_sheet->state().pitchHitsH, qint16(4));
}

void TestScoresheetTotals::battingCascadeOrder()
{
    m_sheet->field("txtHitPA", 1).write("4");
    m_sheet->field("txtHitA", 1).write("1");
    SheetRecorder recorder(*m_sheet);
    m_sheet->field("txtHitA", 3).write("2");
    QCOMPARE(recorder.changes(), QStringList({"txtHitA_3=2", "txtHitsA=3", "txtHitsA2=3", "txtNeedHA=1"}));
}

void TestScoresheetTotals::needHAfterInningChanges()
{
    play({
        {"txtHitH", 1, "1", {{"txtNeedHH", "-1"}}},
        {"txtHitPH", 1, "3", {{"txtNeedHH", "2"}, {"txtHitsH", "3"}}},
        {"txtHitPH", 2, "2", {{"txtNeedHH", "4"}, {"txtHitsH", "5"}}},
        {"txtHitPH", 2, "", {{"txtNeedHH", "2"}, {"txtHitsH", "3"}}},
    });
}

void TestScoresheetTotals::battingHitRunsNoPull()
{
    for (const char *half : {"A", "H"}) {
        m_sheet->state().currentRow = 9;
        SheetRecorder recorder(*m_sheet);
        m_sheet->field(QByteArray(QByteArray("txtHit") + half).constData(), 5).write("1");
        QCOMPARE(m_sheet->state().currentRow, qint16(9));
        for (const QString &change : recorder.changes())
            QVERIFY2(!change.startsWith("txtPull"), qPrintable(change));
    }
}

void TestScoresheetTotals::runsAndLinescore_data()
{
    QTest::addColumn<QChar>("half");
    QTest::newRow("away") << QChar('A');
    QTest::newRow("home") << QChar('H');
}

void TestScoresheetTotals::runsAndLinescore()
{
    QFETCH(QChar, half);
    const auto n = [&](const char *stem, const char *tail = "") {
        return (QString::fromLatin1(stem) + half + QString::fromLatin1(tail)).toLatin1();
    };
    const QByteArray r = n("txtR"), runs = n("txtRuns"), runs2 = n("txtRuns", "2"), need = n("txtNeedHRBI");
    const QByteArray rbi = n("txtRBI"), inn = n("txtInn");
    play({
        {r, 3, "2", {{runs, "2"}, {runs2, "2"}, {need, "2"}}},
        {rbi, 1, "1", {{need, "1"}}},
        {r, 1, "1", {{runs, "3"}, {need, "2"}}},
        {r, 4, "2xy", {{runs, "5"}, {runs2, "5"}}},
        {r, 5, "1.5", {{runs, "6"}}}, // 5 + 1.5 rounds to 6
        {r, 3, "", {{runs, "4"}, {runs2, "4"}, {need, "3"}}},
        {rbi, 2, "-1", {{need, "4"}}},
    });
    QCOMPARE(m_sheet->field(inn, 4).text(), QStringLiteral("2xy"));
    QCOMPARE(m_sheet->field(inn, 5).text(), QStringLiteral("1.5"));
    QCOMPARE(m_sheet->field(inn, 3).text(), QString());
    QCOMPARE(m_sheet->field(inn, 2).text(), QString());
    QCOMPARE(m_sheet->field(rbi, 0).text(), QStringLiteral("0"));

    // An RBI first and then its run, or the other way round: NEED H+RBI ends at 0.
    init();
    play({{rbi, 7, "1", {{need, "-1"}}}, {r, 6, "1", {{need, "0"}}}});
    init();
    play({{r, 6, "1", {{need, "1"}}}, {rbi, 7, "1", {{need, "0"}}}});
}

void TestScoresheetTotals::teamNames()
{
    SheetRecorder recorder(*m_sheet);
    m_sheet->field("txtTeamA").write("B");
    m_sheet->field("txtTeamA").write("Be");
    m_sheet->field("txtTeamH").write("Cubs");
    QCOMPARE(recorder.of("txtTeamA2"), QStringList({"B", "Be"}));
    QCOMPARE(recorder.of("txtTeamA3"), QStringList({"B", "Be"}));
    QCOMPARE(m_sheet->field("txtTeamH2").text() + m_sheet->field("txtTeamH3").text(), QStringLiteral("CubsCubs"));
    m_sheet->field("txtTeamA").write("");
    QCOMPARE(m_sheet->field("txtTeamA2").text() + m_sheet->field("txtTeamA3").text(), QString());
}

void TestScoresheetTotals::walksOnlyPull()
{
    SheetRecorder recorder(*m_sheet);
    m_sheet->field("txtBBH", 4).write("2");
    QCOMPARE(recorder.changes(), QStringList({"txtBBH_4=2", "txtPullH_4=3"}));
    QCOMPARE(m_sheet->state().currentRow, qint16(4));
}

void TestScoresheetTotals::pullCounter_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::newRow("worked example") << QList<Step>{
        {"txtPitcherA", 1, "Lee", {}},
        {"txtRA", 1, "1", {{"txtPullA_1", "2"}}},
        {"txtHitPA", 1, "2", {{"txtPullA_1", "4"}}},
        {"txtBBA", 1, "1", {{"txtPullA_1", "5"}}},
        {"txtRA", 2, "0", {{"txtPullA_2", "6"}}},
        {"txtHitPA", 2, "1", {{"txtPullA_2", "7"}}},
        {"txtPitcherA", 3, "Moe", {}},
        {"txtBBA", 3, "1", {{"txtPullA_3", "2"}}},
    };
    QTest::newRow("zero R, empty row above") << QList<Step>{{"txtRH", 3, "0", {{"txtPullH_3", "1"}}}};
    QTest::newRow("emptied row keeps counting") << QList<Step>{
        {"txtPullA", 2, "4", {}},
        {"txtRA", 3, "2", {{"txtPullA_3", "7"}}},
        {"txtRA", 3, "", {{"txtPullA_3", "5"}}},
        {"txtRA", 1, "2", {{"txtPullA_1", "3"}}},
        {"txtRA", 1, "", {{"txtPullA_1", "1"}}},
    };
    QTest::newRow("new pitcher only counts on recompute") << QList<Step>{
        {"txtRA", 1, "1", {{"txtPullA_1", "2"}}},
        {"txtRA", 2, "1", {{"txtPullA_2", "4"}}},
        {"txtPitcherA", 2, "Ray", {{"txtPullA_2", "4"}}},
        {"txtBBA", 2, "0", {{"txtPullA_2", "2"}}},
    };
    QTest::newRow("blank name starts a count") << QList<Step>{
        {"txtPullA", 4, "9", {}},
        {"txtPitcherA", 5, " ", {}},
        {"txtRA", 5, "1", {{"txtPullA_5", "2"}}},
    };
    QTest::newRow("negative freezes") << QList<Step>{
        {"txtRA", 2, "1", {{"txtPullA_2", "2"}}},
        {"txtERA", 2, "-1", {}},
        {"txtRA", 2, "3", {{"txtPullA_2", "2"}}},
        {"txtKA", 2, "-2", {}},
        {"txtERA", 2, "", {}},
        {"txtBBA", 2, "1", {{"txtPullA_2", "2"}}},
        {"txtKA", 2, "0", {}},
        {"txtBBA", 2, "2", {{"txtPullA_2", "6"}}},
        {"txtHitPA", 6, "-1", {{"txtPullA_6", ""}}},
    };
    QTest::newRow("fraction") << QList<Step>{{"txtHitPH", 1, "1.5", {{"txtPullH_1", "2.5"}}}};
    QTest::newRow("row 1 adds nothing") << QList<Step>{{"txtRA", 1, "abc", {{"txtPullA_1", "1"}}}};
    QTest::newRow("typed star is read back") << QList<Step>{
        {"txtPullA", 1, "2.5", {}},
        {"txtBBA", 2, "1", {{"txtPullA_2", "4.5"}}},
    };
}

void TestScoresheetTotals::pullCounter()
{
    QFETCH(QList<Step>, steps);
    for (const Step &step : steps) {
        m_sheet->field(step.name, step.index).write(step.text);
        if (qstrcmp(step.name, "txtRA") == 0 || qstrcmp(step.name, "txtBBA") == 0)
            QCOMPARE(m_sheet->state().currentRow, qint16(step.index));
        for (const auto &[field, text] : step.expect) {
            const QString name = QLatin1StringView(field);
            const int cut = name.indexOf(u'_');
            QCOMPARE(m_sheet->field(name.left(cut), name.mid(cut + 1).toInt()).text(), QLatin1StringView(text));
        }
    }
}

void TestScoresheetTotals::pullRowsBelowStay()
{
    m_sheet->field("txtRA", 1).write("1");
    m_sheet->field("txtRA", 2).write("1");
    m_sheet->field("txtRA", 1).write("3");
    QCOMPARE(m_sheet->field("txtPullA", 1).text(), QStringLiteral("4"));
    QCOMPARE(m_sheet->field("txtPullA", 2).text(), QStringLiteral("4"));
}

void TestScoresheetTotals::overflowStopsHandler()
{
    // Batting H: the column sum overflows at once, nothing is written.
    m_sheet->field("txtHitA", 1).write("32767");
    SheetRecorder recorder(*m_sheet);
    try {
        m_sheet->field("txtHitA", 2).write("1");
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        QCOMPARE(error.fieldName(), QStringLiteral("txtHitA"));
        QCOMPARE(error.index(), 2);
        QVERIFY(error.message().contains(u"away team's batting H column"));
    }
    QCOMPARE(recorder.changes(), QStringList({"txtHitA_2=1"})); // the typed text stands
    m_sheet->field("txtHitA", 2).write("");

    // NEED H: inning hits far below, batting hits far above; HITS is written first.
    m_sheet->field("txtHitPA", 1).write("-20000");
    m_sheet->field("txtHitPA", 2).write("-12000");
    QCOMPARE(m_sheet->state().pitchHitsA, qint16(-32000));
    m_sheet->field("txtHitA", 1).write("1");
    const QString needBefore = m_sheet->field("txtNeedHA").text();
    QCOMPARE(needBefore, QStringLiteral("-32001"));
    recorder.clear();
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, m_sheet->field("txtHitA", 1).write("1000"));
    QCOMPARE(recorder.changes(), QStringList({"txtHitA_1=1000", "txtHitsA=1000", "txtHitsA2=1000"}));
    QCOMPARE(m_sheet->field("txtNeedHA").text(), needBefore);

    // Inning R: nothing of the handler is written, no linescore cell, no pull counter.
    m_sheet->field("txtRH", 1).write("30000");
    recorder.clear();
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, m_sheet->field("txtRH", 2).write("3000"));
    QCOMPARE(recorder.changes(), QStringList({"txtRH_2=3000"}));
    QCOMPARE(m_sheet->field("txtInnH", 2).text(), QString());

    // The sheet carries on: the next change works as ever.
    m_sheet->field("txtRH", 2).write("2");
    QCOMPARE(m_sheet->field("txtRunsH").text(), QStringLiteral("30002"));
    QCOMPARE(m_sheet->field("txtPullH", 2).text(), QStringLiteral("30004")); // 3 + row 1's 30001

    // A number too large for a double in an inning row is an overflow of the pull counter's read.
    try {
        m_sheet->field("txtKH", 5).write("1e999");
        m_sheet->field("txtBBH", 5).write("1");
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        QCOMPARE(error.fieldName(), QStringLiteral("txtKH"));
        QCOMPARE(error.index(), 5);
    }
}

void TestScoresheetTotals::overflowNamesTheRow_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("message");
    const QString awayHits = QStringLiteral("The away team's batting H column no longer fits between -32768 and 32767 "
                                            "(row %1).");
    QTest::newRow("away H, element 7") << "txtHitA" << 7 << awayHits.arg(5);
    QTest::newRow("away H, element 5") << "txtHitA" << 5 << awayHits.arg(6);
    QTest::newRow("away H, element 6") << "txtHitA" << 6 << awayHits.arg(7);
    QTest::newRow("away H, element 4") << "txtHitA" << 4 << awayHits.arg(4);
    QTest::newRow("home H, element 7")
        << "txtHitH" << 7 << "The home team's batting H column no longer fits between -32768 and 32767 (row 7).";
    QTest::newRow("away inning R, element 14")
        << "txtRA" << 14 << "The away team's inning R column no longer fits between -32768 and 32767 (row 14).";
}

void TestScoresheetTotals::overflowNamesTheRow()
{
    QFETCH(QString, column);
    QFETCH(int, element);
    QFETCH(QString, message);
    m_sheet->field(column, 1).write("32767");
    try {
        m_sheet->field(column, element).write("1");
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        QCOMPARE(error.message(), message);
        QVERIFY(!error.message().contains(u"txt"));
    }
}

void TestScoresheetTotals::totalsCountTheLastRows_data()
{
    QTest::addColumn<Step>("step");
    QTest::newRow("14th inning R") << Step{"txtRA", 14, "3", {{"txtRunsA", "3"}, {"txtRunsA2", "3"}}};
    QTest::newRow("14th inning H") << Step{"txtHitPH", 14, "4", {{"txtNeedHH", "4"}}};
    QTest::newRow("12th hitter H") << Step{"txtHitA",
                                           12,
                                           "5",
                                           {{"txtHitsA", "5"}, {"txtHitsA2", "5"}, {"txtNeedHA", "-5"}}};
    QTest::newRow("12th hitter RBI") << Step{"txtRBIH", 12, "2", {{"txtNeedHRBIH", "-2"}}};
}

void TestScoresheetTotals::totalsCountTheLastRows()
{
    QFETCH(Step, step);
    play({step});
}

QTEST_GUILESS_MAIN(TestScoresheetTotals)
#include "TestScoresheetTotals.moc"
