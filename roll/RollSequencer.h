#pragma once

#include <QObject>
#include <QString>

#include <memory>

class Clock;
class RandomSource;
class RollHistory;
class RollLabels;
class SoundPlayer;
class SoundSetting;
class Timer;
class TimerFactory;

// How a press of "Click to Roll" turns into values on the dice, for one window that
// rolls. With sound off the roll shows at once; with sound on the dice sound starts
// and the labels shuffle through fresh rolls on every tick of the 5 ms shuffle timer
// (Timer2) until the 2000 ms stop timer (Timer1) draws the final values.
class RollSequencer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShuffleIntervalMs = 5;
    static constexpr int StopIntervalMs = 2000;

    // clock dates the rolls that come to rest.
    RollSequencer(SoundSetting &sound, RandomSource &random, Clock &clock, SoundPlayer &player, QString diceSound,
                  RollLabels &labels, TimerFactory &timers, QObject *timerOwner);
    ~RollSequencer() override;

    RollSequencer(const RollSequencer &) = delete;
    RollSequencer &operator=(const RollSequencer &) = delete;

    // The window opens: sound on, and the dice sound made ready to play.
    void load();
    // A press of "Click to Roll".
    void roll();
    // A tick of the shuffle timer: a fresh roll on the dice.
    void showShuffleFrame();
    // The tick of the stop timer: the shuffle ends on the final roll.
    void stopShuffle();

    bool isShuffling() const;

    // Where every final roll is kept (a shuffle frame is not); none: they are not kept.
    void recordInto(RollHistory *history) { m_history = history; }

    Timer &stopTimer() { return *m_stopTimer; }
    Timer &shuffleTimer() { return *m_shuffleTimer; }

    // The dice sound's file.
    const QString &diceSoundPath() const { return m_diceSound; }

Q_SIGNALS:
    // The dice begin to shuffle behind the sound, and come to rest on the final roll.
    void shuffleStarted();
    void shuffleEnded();

private:
    void rollOnce();
    // The roll that comes to rest: shown and kept in the history.
    void rollFinal();

    SoundSetting &m_sound;
    RandomSource &m_random;
    Clock &m_clock;
    SoundPlayer &m_player;
    QString m_diceSound;
    RollLabels &m_labels;
    std::unique_ptr<Timer> m_stopTimer;
    std::unique_ptr<Timer> m_shuffleTimer;
    RollHistory *m_history = nullptr;
};
