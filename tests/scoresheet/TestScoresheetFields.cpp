#include "SheetRecorder.h"

#include "scoresheet/FieldLookupError.h"
#include "scoresheet/Scoresheet.h"

#include <QSet>
#include <QTest>

class TestScoresheetFields : public QObject
{
    Q_OBJECT

private slots:
    // Every array has exactly its index set, initial text and entry kind, in both halves.
    void arrays_data();
    void arrays();
    // Every single field starts at its initial text with its entry kind.
    void singles_data();
    void singles();
    // fields() lists each field once, hidden ones included, with unique object names.
    void fieldList();
    // Unknown names, wrong indexes and single/array mix-ups are errors naming both.
    void lookupErrors_data();
    void lookupErrors();
    // Only a real change notifies; the handler runs inside the write, after the view.
    void notification();
    // Typing 12 is two changes; deleting the whole text in one edit is one.
    void typing();
    // The RBI total's nested run ends on its own: element 0 changes once.
    void rbiReentryEnds();
};

void TestScoresheetFields::arrays_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("entry");
    const int typed = int(Entry::Typed);
    for (const char *stem : {"txtHitter", "txtHit", "txt2b", "txt3b", "txtHR", "txtSB"})
        QTest::newRow(stem) << stem << 1 << 12 << typed;
    QTest::newRow("txtRBI") << "txtRBI" << 0 << 12 << typed;
    for (const char *stem : {"txtPitcher", "txtR", "txtER", "txtK", "txtBB", "txtPull"})
        QTest::newRow(stem) << stem << 1 << 14 << typed;
    QTest::newRow("txtHitP") << "txtHitP" << 0 << 14 << typed;
    QTest::newRow("txtInn") << "txtInn" << 1 << 14 << int(Entry::Locked);
}

void TestScoresheetFields::arrays()
{
    QFETCH(QString, stem);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, entry);
    Scoresheet sheet;
    for (const QString &name : {stem + u'A', stem + u'H'}) {
        QVERIFY_THROWS_EXCEPTION(FieldLookupError, sheet.field(name, first - 1));
        QVERIFY_THROWS_EXCEPTION(FieldLookupError, sheet.field(name, last + 1));
        for (int i = first; i <= last; ++i) {
            const Field &field = sheet.field(name, i);
            QCOMPARE(field.text(), QString());
            QCOMPARE(int(field.entry()), i == 0 ? int(Entry::Hidden) : entry);
            QCOMPARE(field.objectName(), name + u'_' + QString::number(i));
            QVERIFY(field.column().array);
        }
    }
}

void TestScoresheetFields::singles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("entry");
    const int locked = int(Entry::Locked);
    for (const char *name : {"txtNeedHRBIA", "txtNeedHRBIH", "txtNeedHA", "txtNeedHH", "txtRunsA", "txtRunsH",
                             "txtHitsA", "txtHitsH", "txtRunsA2", "txtRunsH2", "txtHitsA2", "txtHitsH2"})
        QTest::newRow(name) << name << "0" << locked;
    for (const char *name : {"txtTeamA2", "txtTeamH2", "txtTeamA3", "txtTeamH3"})
        QTest::newRow(name) << name << "" << locked;
    QTest::newRow("txtTeamA") << "txtTeamA"
                              << "" << int(Entry::Typed);
    QTest::newRow("txtTeamH") << "txtTeamH"
                              << "" << int(Entry::Typed);
}

void TestScoresheetFields::singles()
{
    QFETCH(QString, name);
    QFETCH(QString, initial);
    QFETCH(int, entry);
    Scoresheet sheet;
    const Field &field = sheet.field(name);
    QCOMPARE(field.text(), initial);
    QCOMPARE(int(field.entry()), entry);
    QCOMPARE(field.objectName(), name);
    QVERIFY(!field.column().array);
}

void TestScoresheetFields::fieldList()
{
    Scoresheet sheet;
    QSet<QString> names;
    for (const Field *field : sheet.fields())
        names.insert(field->objectName());
    // per half: 6 x 12 + 13 batting, 4 counters, 6 x 14 + 15 inning, 3 names, 14 cells, R and H
    QCOMPARE(sheet.fields().size(), size_t(2 * (85 + 4 + 99 + 3 + 14 + 2)));
    QCOMPARE(size_t(names.size()), sheet.fields().size());
    QVERIFY(names.contains("txtRBIH_0") && names.contains("txtHitPA_0"));
}

void TestScoresheetFields::lookupErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index"); // -1: asked for as a single field
    QTest::newRow("unknown array") << "txtHitX" << 3;
    QTest::newRow("unknown single") << "txtTeamX" << -1;
    QTest::newRow("index below") << "txtHitA" << 0;
    QTest::newRow("index above") << "txtRH" << 15;
    QTest::newRow("negative") << "txtHitPA" << -7;
    QTest::newRow("16-bit wrap") << "txtRA" << 65537;
    QTest::newRow("array without index") << "txtRA" << -1;
    QTest::newRow("single with index") << "txtTeamA" << 1;
}

void TestScoresheetFields::lookupErrors()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    Scoresheet sheet;
    try {
        if (index == -1)
            sheet.field(name).write("1");
        else
            sheet.field(name, index).write("1");
        QFAIL("no error");
    } catch (const FieldLookupError &error) {
        const QString message = QString::fromStdString(error.what());
        QVERIFY2(message.contains(name), qPrintable(message));
        if (index != -1)
            QVERIFY2(message.contains(QString::number(index)), qPrintable(message));
    }
}

void TestScoresheetFields::notification()
{
    Scoresheet sheet;
    Field &team = sheet.field("txtTeamA");
    QStringList seen;
    team.setView([&](const QString &text) { seen << "view " + text + " copy " + sheet.field("txtTeamA2").text(); });
    sheet.field("txtTeamA2").setView([&](const QString &text) { seen << "copy " + text; });

    team.write(u"Bears");
    team.write(u"Bears");
    QCOMPARE(seen, QStringList({"view Bears copy ", "copy Bears"}));
    QCOMPARE(sheet.field("txtTeamA3").text(), QStringLiteral("Bears"));
    team.write(u"Bear"); // a shorter text in the same buffer
    QCOMPARE(sheet.field("txtTeamA2").text(), QStringLiteral("Bear"));
    QCOMPARE(seen.size(), 4);
}

void TestScoresheetFields::typing()
{
    Scoresheet sheet;
    SheetRecorder recorder(sheet);
    sheet.field("txtRA", 3).write("1");
    sheet.field("txtRA", 3).write("12");
    QCOMPARE(recorder.of("txtRunsA"), QStringList({"1", "12"}));
    sheet.field("txtRA", 3).write("");
    QCOMPARE(recorder.of("txtRA_3"), QStringList({"1", "12", ""}));
    QCOMPARE(recorder.of("txtInnA_3"), QStringList({"1", "12", ""}));
    QCOMPARE(sheet.field("txtRunsA").text(), QStringLiteral("0"));
}

void TestScoresheetFields::rbiReentryEnds()
{
    Scoresheet sheet;
    SheetRecorder recorder(sheet);
    sheet.field("txtRBIA", 4).write("2");
    QCOMPARE(recorder.changes(), QStringList({"txtRBIA_4=2", "txtRBIA_0=2", "txtNeedHRBIA=-2"}));
    QCOMPARE(sheet.field("txtRBIH", 0).text(), QStringLiteral("")); // the other half is untouched
}

QTEST_GUILESS_MAIN(TestScoresheetFields)
#include "TestScoresheetFields.moc"
