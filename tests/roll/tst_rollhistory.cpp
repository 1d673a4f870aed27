#include "roll/Roll.h"
#include "roll/RollHistory.h"
#include "roll/RollSequencer.h"
#include "roll/SoundSetting.h"
#include "support/RollFakes.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {
class NullLabels final : public RollLabels
{
public:
    void setCaption(int, const QString &) override {}
};

Roll rollOf(qint16 first)
{
    return Roll{first, 9, 11, 20, 4, 11, 6, 11, 1, 2, 3, 4, 5, 0};
}

const QDateTime Evening(QDate(2026, 5, 1), QTime(20, 31, 5), Qt::OffsetFromUTC, 7200);
} // namespace

class TestRollHistory : public QObject
{
    Q_OBJECT

private slots:
    // Rolls stand newest first with their times; the oldest give way beyond the limit.
    void newestFirst();
    // Plain text is one roll a line, time then the fourteen values tab-separated, newest first;
    // a selection copies only its rows, in the history's order whatever order they were picked in.
    void plainText();
    // A game file's rolls come back exactly as they were written, times with their offset.
    void jsonRoundTrip();
    // Anything but a list of such rolls is refused and the history stays as it was.
    void refusesBrokenRolls_data();
    void refusesBrokenRolls();
    // Only the roll that comes to rest is kept: after the stop tick with sound on, at once with
    // sound off; the shuffle frames before it never are.
    void sequencerKeepsFinalRollsOnly();
};

void TestRollHistory::newestFirst()
{
    RollHistory history;
    QSignalSpy added(&history, &RollHistory::added);
    history.add(rollOf(1), Evening);
    history.add(rollOf(2), Evening.addSecs(3));
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).roll.Who1, qint16(2));
    QCOMPARE(history.at(0).at, Evening.addSecs(3));
    QCOMPARE(history.at(1).roll.Who1, qint16(1));
    QCOMPARE(added.count(), 2);

    for (int i = 0; i < RollHistory::MaxEntries; ++i)
        history.add(rollOf(qint16(i % 20 + 1)), Evening);
    QCOMPARE(history.size(), RollHistory::MaxEntries);
    QCOMPARE(history.at(RollHistory::MaxEntries - 1).roll.Who1, qint16(1)); // the first two are gone

    QSignalSpy reset(&history, &RollHistory::reset);
    history.clear();
    QVERIFY(history.isEmpty());
    QCOMPARE(reset.count(), 1);
}

void TestRollHistory::plainText()
{
    RollHistory history;
    history.add(rollOf(1), Evening);
    history.add(rollOf(2), Evening.addSecs(61));
    history.add(rollOf(3), Evening.addSecs(122));
    const QString first = QStringLiteral("2026-05-01 20:33:07\t3\t9\t11\t20\t4\t11\t6\t11\t1\t2\t3\t4\t5\t0\n");
    const QString last = QStringLiteral("2026-05-01 20:31:05\t1\t9\t11\t20\t4\t11\t6\t11\t1\t2\t3\t4\t5\t0\n");
    QCOMPARE(history.text({2, 0}), first + last);
    QCOMPARE(history.text().count(u'\n'), 3);
    QVERIFY(history.text().startsWith(first));
    QVERIFY(history.text().endsWith(last));
}

void TestRollHistory::jsonRoundTrip()
{
    RollHistory history;
    history.add(rollOf(1), Evening);
    history.add(rollOf(20), Evening.addSecs(5));
    const QJsonArray json = history.toJson();
    QCOMPARE(json.size(), 2);
    QCOMPARE(json.at(0).toObject().value(QStringLiteral("dice")).toString(),
             QStringLiteral("20 9 11 20 4 11 6 11 1 2 3 4 5 0"));
    QCOMPARE(json.at(1).toObject().value(QStringLiteral("at")).toString(), QStringLiteral("2026-05-01T20:31:05+02:00"));

    RollHistory opened;
    QSignalSpy reset(&opened, &RollHistory::reset);
    QVERIFY(opened.restore(json));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(opened.text(), history.text());
    QCOMPARE(opened.at(1).at, Evening);
    QCOMPARE(opened.at(1).at.offsetFromUtc(), 7200);
}

void TestRollHistory::refusesBrokenRolls_data()
{
    QTest::addColumn<QJsonValue>("entry");
    const QString at = QStringLiteral("2026-05-01T20:31:05+02:00");
    const QString dice = QStringLiteral("1 9 11 20 4 11 6 11 1 2 3 4 5 0");
    QTest::newRow("not an object") << QJsonValue(dice);
    QTest::newRow("no time") << QJsonValue(QJsonObject{{"dice", dice}});
    QTest::newRow("not a time") << QJsonValue(QJsonObject{{"at", "yesterday"}, {"dice", dice}});
    QTest::newRow("thirteen values") << QJsonValue(QJsonObject{{"at", at}, {"dice", dice.chopped(2)}});
    QTest::newRow("fifteen values") << QJsonValue(QJsonObject{{"at", at}, {"dice", dice + " 1"}});
    QTest::newRow("above twenty") << QJsonValue(QJsonObject{{"at", at}, {"dice", "21" + dice.mid(1)}});
    QTest::newRow("negative") << QJsonValue(QJsonObject{{"at", at}, {"dice", "-1" + dice.mid(1)}});
    QTest::newRow("not a number") << QJsonValue(QJsonObject{{"at", at}, {"dice", "x" + dice.mid(1)}});
}

void TestRollHistory::refusesBrokenRolls()
{
    QFETCH(QJsonValue, entry);
    RollHistory history;
    history.add(rollOf(7), Evening);
    const QJsonArray good = history.toJson();
    const QJsonArray broken{good.at(0), entry};
    QVERIFY(RollHistory::isValid(good));
    QVERIFY(!RollHistory::isValid(broken));
    QVERIFY(!history.restore(broken));
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.at(0).roll.Who1, qint16(7));
}

void TestRollHistory::sequencerKeepsFinalRollsOnly()
{
    SoundSetting setting;
    ScriptedRandomSource random;
    FakeSoundPlayer sound;
    NullLabels labels;
    FakeTimerFactory timers;
    FakeClock clock;
    RollSequencer sequencer(setting, random, clock, sound, QStringLiteral("/opt/quorvel"), labels, timers, nullptr);
    RollHistory history;
    sequencer.recordInto(&history);
    sequencer.load();

    sequencer.roll();
    for (int i = 0; i < 50; ++i)
        QVERIFY(timers.latest(QStringLiteral("Timer2"))->fire());
    QVERIFY(history.isEmpty());
    random.feed(std::vector<float>(12, 0.999f)); // the final roll: 20s and 9s
    clock.wallClock = Evening.addSecs(2);        // dated when it comes to rest, not when pressed
    QVERIFY(timers.latest(QStringLiteral("Timer1"))->fire());
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.at(0).roll.Who1, qint16(20));
    QCOMPARE(history.at(0).at, Evening.addSecs(2));

    setting.setOn(false);
    random.feed(std::vector<float>(12, 0.0f));
    sequencer.roll();
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).roll.Who1, qint16(1));
}

QTEST_GUILESS_MAIN(TestRollHistory)
#include "tst_rollhistory.moc"
