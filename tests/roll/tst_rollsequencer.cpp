#include "roll/Roll.h"
#include "roll/RollSequencer.h"
#include "roll/SoundSetting.h"
#include "support/RollFakes.h"

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <functional>
#include <memory>

namespace {
// A program folder with a blank in it, as installed programs often have.
const QString ProgramDir = QStringLiteral("/opt/Quorvel Companion");

// Keeps the captions of the fourteen result labels and lets a test look at the
// world at the moment a caption is written.
class RecordingLabels final : public RollLabels
{
public:
    void setCaption(int label, const QString &text) override
    {
        captions[static_cast<size_t>(label)] = text;
        ++writes;
        if (onWrite)
            onWrite(label);
    }
    // By the member of Roll the label shows: caption(&Roll::Score).
    QString caption(qint16 Roll::*value) const
    {
        Roll probe;
        probe.*value = 1;
        const auto values = probe.values();
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i] == 1)
                return captions[i];
        return {};
    }
    std::array<QString, Roll::FieldCount> captions;
    int writes = 0;
    std::function<void(int)> onWrite;
};

// A timer that tells when it is destroyed, for the window closing mid-shuffle.
class WatchedTimer final : public Timer
{
public:
    explicit WatchedTimer(int &alive)
        : m_alive(alive)
    {
        ++m_alive;
    }
    ~WatchedTimer() override { --m_alive; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return 0; }

private:
    int &m_alive;
    bool m_enabled = false;
};

class WatchedTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<Timer> create(QObject *, const QString &, int) override
    {
        return std::make_unique<WatchedTimer>(alive);
    }
    int alive = 0;
};

// One roll-capable window's worth of sequencing, with fakes around it.
struct Rig
{
    Rig()
        : sequencer(soundSetting, random, clock, sound, ProgramDir + QStringLiteral("/dice.wav"), labels, timers,
                    nullptr)
        , stop(timers.latest(QStringLiteral("Timer1")))
        , shuffle(timers.latest(QStringLiteral("Timer2")))
    {
    }
    SoundSetting soundSetting;
    ScriptedRandomSource random;
    FakeClock clock;
    FakeSoundPlayer sound;
    RecordingLabels labels;
    FakeTimerFactory timers;
    RollSequencer sequencer;
    FakeTimer *stop;
    FakeTimer *shuffle;
};

std::vector<float> drawsOf(float u)
{
    return std::vector<float>(12, u);
}
} // namespace

class TestRollSequencer : public QObject
{
    Q_OBJECT

private slots:
    // Loading a window turns sound on with "Sound On" checked, whatever the flag was before,
    // makes the dice sound ready and leaves both timers idle.
    void formLoadTurnsSoundOn_data();
    void formLoadTurnsSoundOn();
    // The sound setting tells of a real change only, once.
    void soundSetting();
    // The stop and shuffle timers are made with 2000 ms and 5 ms and start disabled.
    void timerIntervals();
    // With sound off a press shows a complete roll at once, plays nothing, touches no timer.
    void pressWithSoundOff();
    // With sound on a press starts the dice sound and both timers, and shows nothing yet.
    void pressWithSoundOn();
    // Every shuffle tick shows a complete fresh roll with SCORE, HITS and W alike.
    void shuffleTicksShowCompleteRolls();
    // The stop tick disables the shuffle before the final roll and itself after it; no tick follows.
    void stopTickOrder();
    // Sound switched off mid-shuffle: the shuffle goes on, a press rolls at once, the stop tick still ends it.
    void soundOffDuringShuffle();
    // A second press mid-shuffle restarts the sound and enables both timers again, drawing nothing;
    // the shuffle is told to start and end once.
    void secondPressDuringShuffle();
    // Closing the window mid-shuffle takes its timers with it: no final values, no later tick.
    void destroyedMidShuffle();
};

void TestRollSequencer::formLoadTurnsSoundOn_data()
{
    QTest::addColumn<int>("before");
    QTest::newRow("sound was off") << 0;
    QTest::newRow("sound was on") << 1;
}

void TestRollSequencer::formLoadTurnsSoundOn()
{
    QFETCH(int, before);
    Rig rig;
    rig.soundSetting.setOn(before != 0);
    rig.sequencer.load();
    QVERIFY(rig.soundSetting.isOn());
    QCOMPARE(rig.sound.preloaded, QStringList{ProgramDir + QStringLiteral("/dice.wav")});
    QVERIFY(rig.sound.played.isEmpty());
    QVERIFY(!rig.stop->isEnabled());
    QVERIFY(!rig.shuffle->isEnabled());
    QCOMPARE(rig.labels.writes, 0);
}

void TestRollSequencer::soundSetting()
{
    SoundSetting setting;
    QVERIFY(!setting.isOn());
    QSignalSpy changed(&setting, &SoundSetting::changed);
    for (bool on : {true, true, false, false, true})
        setting.setOn(on);
    QCOMPARE(changed.size(), 3);
    QCOMPARE(changed.at(0).at(0).toBool(), true);
    QCOMPARE(changed.at(1).at(0).toBool(), false);
    QVERIFY(setting.isOn());
}

void TestRollSequencer::timerIntervals()
{
    Rig rig;
    QCOMPARE(rig.timers.made.size(), size_t(2));
    QVERIFY(rig.stop && rig.shuffle);
    QCOMPARE(rig.stop->interval(), 2000);
    QCOMPARE(rig.shuffle->interval(), 5);
    QCOMPARE(&rig.sequencer.stopTimer(), static_cast<Timer *>(rig.stop));
    QCOMPARE(&rig.sequencer.shuffleTimer(), static_cast<Timer *>(rig.shuffle));
    QVERIFY(!rig.stop->isEnabled());
    QVERIFY(!rig.shuffle->isEnabled());
}

void TestRollSequencer::pressWithSoundOff()
{
    Rig rig;
    rig.sequencer.load();
    rig.soundSetting.setOn(false);
    rig.random.feed({0.0f, 0.95f, 0.5f, 0.999f, 0.42f, 0.26f, 0.12f, 0.27f, 0.33f, 0.41f, 0.58f, 0.97f});
    rig.sequencer.roll();

    const QStringList shown(rig.labels.captions.begin(), rig.labels.captions.end());
    QCOMPARE(shown.join(QLatin1Char(' ')), QStringLiteral("1 9 11 20 4 11 6 11 1 2 3 4 5 9"));
    QCOMPARE(rig.labels.writes, 14);
    QCOMPARE(rig.random.reseeds, 1);
    QCOMPARE(rig.random.draws, 12);
    QVERIFY(rig.sound.played.isEmpty());
    QCOMPARE(rig.stop->enables + rig.shuffle->enables, 0);
    QVERIFY(!rig.sequencer.isShuffling());
}

void TestRollSequencer::pressWithSoundOn()
{
    Rig rig;
    rig.sequencer.load();
    rig.sequencer.roll();

    QCOMPARE(rig.sound.played, QStringList{ProgramDir + QStringLiteral("/dice.wav")});
    QVERIFY(rig.shuffle->isEnabled());
    QVERIFY(rig.stop->isEnabled());
    QVERIFY(rig.sequencer.isShuffling());
    QCOMPARE(rig.labels.writes, 0);
    QCOMPARE(rig.random.draws, 0);
    QCOMPARE(rig.random.reseeds, 0);

    rig.random.feed(drawsOf(0.0f));
    QVERIFY(rig.shuffle->fire());
    QCOMPARE(rig.labels.writes, 14);
    QCOMPARE(rig.labels.caption(&Roll::Who1), QStringLiteral("1"));
    QCOMPARE(rig.labels.caption(&Roll::RunsUE2), QStringLiteral("0"));
}

void TestRollSequencer::shuffleTicksShowCompleteRolls()
{
    Rig rig;
    rig.sequencer.load();
    rig.sequencer.roll();
    const std::array<float, 4> frames = {0.0f, 0.5f, 0.999f, 0.26f};
    const std::array<const char *, 4> scores = {"1", "11", "20", "6"};
    for (size_t i = 0; i < frames.size(); ++i) {
        rig.random.feed(drawsOf(frames[i]));
        QVERIFY(rig.shuffle->fire());
        QCOMPARE(rig.labels.writes, 14 * static_cast<int>(i + 1));
        QCOMPARE(rig.random.draws, 12 * static_cast<int>(i + 1));
        QCOMPARE(rig.random.reseeds, static_cast<int>(i + 1));
        QCOMPARE(rig.labels.caption(&Roll::Score), QString::fromLatin1(scores[i]));
        QCOMPARE(rig.labels.caption(&Roll::Hits), rig.labels.caption(&Roll::Score));
        QCOMPARE(rig.labels.caption(&Roll::W), rig.labels.caption(&Roll::Score));
    }
    // The shuffle neither counts nor stops itself.
    QVERIFY(rig.shuffle->isEnabled());
    QVERIFY(rig.stop->isEnabled());
    QCOMPARE(rig.sound.played.size(), 1);
}

void TestRollSequencer::stopTickOrder()
{
    Rig rig;
    rig.sequencer.load();
    rig.sequencer.roll();
    rig.random.feed(drawsOf(0.5f));
    QVERIFY(rig.shuffle->fire());

    // What the timers looked like while the final values were being written.
    int writesWithShuffleOn = 0;
    int writesWithStopOff = 0;
    rig.labels.onWrite = [&](int) {
        writesWithShuffleOn += rig.shuffle->isEnabled() ? 1 : 0;
        writesWithStopOff += rig.stop->isEnabled() ? 0 : 1;
    };
    rig.random.feed(drawsOf(0.999f));
    const int before = rig.labels.writes;
    QVERIFY(rig.stop->fire());
    QCOMPARE(rig.labels.writes - before, 14);
    QCOMPARE(writesWithShuffleOn, 0);
    QCOMPARE(writesWithStopOff, 0);
    QCOMPARE(rig.labels.caption(&Roll::Score), QStringLiteral("20"));
    QCOMPARE(rig.labels.caption(&Roll::Runs1st), QStringLiteral("9"));

    QVERIFY(!rig.shuffle->isEnabled());
    QVERIFY(!rig.stop->isEnabled());
    QVERIFY(!rig.sequencer.isShuffling());
    // Nothing moves the dice after the stop tick.
    QVERIFY(!rig.shuffle->fire());
    QVERIFY(!rig.stop->fire());
    QCOMPARE(rig.labels.writes - before, 14);
}

void TestRollSequencer::soundOffDuringShuffle()
{
    Rig rig;
    rig.sequencer.load();
    rig.sequencer.roll();
    rig.soundSetting.setOn(false);
    QVERIFY(rig.shuffle->isEnabled());
    QVERIFY(rig.stop->isEnabled());

    QVERIFY(rig.shuffle->fire());
    QCOMPARE(rig.random.reseeds, 1);

    // A press now rolls at once, without sound, and leaves the shuffle running.
    rig.random.feed(drawsOf(0.0f));
    rig.sequencer.roll();
    QCOMPARE(rig.random.reseeds, 2);
    QCOMPARE(rig.labels.caption(&Roll::Who1), QStringLiteral("1"));
    QCOMPARE(rig.sound.played.size(), 1);
    QCOMPARE(rig.shuffle->enables, 1);
    QCOMPARE(rig.stop->enables, 1);
    QVERIFY(rig.shuffle->isEnabled());

    // The stop tick still draws the final values.
    rig.random.feed(drawsOf(0.999f));
    QVERIFY(rig.stop->fire());
    QCOMPARE(rig.random.reseeds, 3);
    QCOMPARE(rig.labels.caption(&Roll::Who1), QStringLiteral("20"));
    QVERIFY(!rig.sequencer.isShuffling());
    QVERIFY(!rig.stop->isEnabled());
}

void TestRollSequencer::secondPressDuringShuffle()
{
    Rig rig;
    QSignalSpy started(&rig.sequencer, &RollSequencer::shuffleStarted);
    QSignalSpy ended(&rig.sequencer, &RollSequencer::shuffleEnded);
    rig.sequencer.load();
    rig.sequencer.roll();
    QVERIFY(rig.shuffle->fire());
    const int writes = rig.labels.writes;

    rig.sequencer.roll();
    const QString sound = ProgramDir + QStringLiteral("/dice.wav");
    QCOMPARE(rig.sound.played, (QStringList{sound, sound}));
    QCOMPARE(rig.shuffle->enables, 2);
    QCOMPARE(rig.stop->enables, 2);
    QVERIFY(rig.shuffle->isEnabled());
    QVERIFY(rig.stop->isEnabled());
    QCOMPARE(rig.labels.writes, writes);
    // One shuffle, told once at each end, however often the button is pressed during it.
    QCOMPARE(started.count(), 1);
    QCOMPARE(ended.count(), 0);

    QVERIFY(rig.stop->fire());
    QVERIFY(!rig.sequencer.isShuffling());
    QCOMPARE(ended.count(), 1);
}

void TestRollSequencer::destroyedMidShuffle()
{
    SoundSetting setting;
    ScriptedRandomSource random;
    FakeSoundPlayer sound;
    RecordingLabels labels;
    WatchedTimerFactory timers;
    FakeClock clock;
    auto sequencer = std::make_unique<RollSequencer>(setting, random, clock, sound,
                                                     ProgramDir + QStringLiteral("/dice.wav"), labels, timers, nullptr);
    QCOMPARE(timers.alive, 2);

    sequencer->load();
    sequencer->roll();
    random.feed(drawsOf(0.5f));
    sequencer->showShuffleFrame();
    const auto lastFrame = labels.captions;
    const int draws = random.draws;

    sequencer.reset();
    QCOMPARE(timers.alive, 0);
    QCOMPARE(random.draws, draws);
    QCOMPARE(labels.captions, lastFrame);
    // The setting outlives the window.
    QVERIFY(setting.isOn());
}

QTEST_GUILESS_MAIN(TestRollSequencer)
#include "tst_rollsequencer.moc"
