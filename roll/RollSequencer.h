#pragma once

#include <QString>

#include <memory>

class QObject;
class RandomSource;
class RollLabels;
class SoundPlayer;
class Timer;
class TimerFactory;
struct ModGeneral;

// How a press of "Click to Roll" turns into values on the dice, for one window that
// rolls. With sound off the roll shows at once; with sound on the dice sound starts
// and the labels shuffle through fresh rolls on every tick of the 5 ms timer (Timer2)
// until the 2000 ms timer (Timer1) draws the final values. The sound flag lives in
// ModGeneral and is shared by every window; the check marks of the two sound menu
// items are kept here, and the window mirrors them in its menu.
class RollSequencer
{
public:
    static constexpr int ShuffleIntervalMs = 5;
    static constexpr int StopIntervalMs = 2000;

    RollSequencer(ModGeneral &shared, RandomSource &random, SoundPlayer &sound, QString programDir,
                  RollLabels &labels, TimerFactory &timers, QObject *timerOwner);
    ~RollSequencer();

    RollSequencer(const RollSequencer &) = delete;
    RollSequencer &operator=(const RollSequencer &) = delete;

    // The window's load handling: sound on, and the dice sound made ready to play.
    void Form_Load();
    void mnuOn_Click();
    void mnuOff_Click();
    void cmdRoll_Click();
    void Timer2_Timer();
    void Timer1_Timer();

    bool soundOnChecked() const { return m_onChecked; }
    bool soundOffChecked() const { return m_offChecked; }
    bool isShuffling() const;

    Timer &stopTimer() { return *m_timer1; }
    Timer &shuffleTimer() { return *m_timer2; }

    // The dice sound's path as handed to PlaySoundFile.
    QString diceSoundPath() const;

private:
    void rollOnce();

    ModGeneral &m_shared;
    RandomSource &m_random;
    SoundPlayer &m_sound;
    QString m_programDir;
    RollLabels &m_labels;
    std::unique_ptr<Timer> m_timer1; // stop timer
    std::unique_ptr<Timer> m_timer2; // shuffle timer
    bool m_onChecked = true;         // the design marks both items; Form_Load settles them
    bool m_offChecked = true;
};
