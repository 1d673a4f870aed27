#include "roll/RollSequencer.h"

#include "roll/Clock.h"
#include "roll/Roll.h"
#include "roll/RollHistory.h"
#include "roll/SoundPlayer.h"
#include "roll/SoundSetting.h"
#include "roll/Timer.h"

RollSequencer::RollSequencer(SoundSetting &sound, RandomSource &random, Clock &clock, SoundPlayer &player,
                             QString diceSound, RollLabels &labels, TimerFactory &timers, QObject *timerOwner)
    : m_sound(sound)
    , m_random(random)
    , m_clock(clock)
    , m_player(player)
    , m_diceSound(std::move(diceSound))
    , m_labels(labels)
    , m_stopTimer(timers.create(timerOwner, QStringLiteral("Timer1"), StopIntervalMs))
    , m_shuffleTimer(timers.create(timerOwner, QStringLiteral("Timer2"), ShuffleIntervalMs))
{
    m_stopTimer->setTickHandler([this] { stopShuffle(); });
    m_shuffleTimer->setTickHandler([this] { showShuffleFrame(); });
}

RollSequencer::~RollSequencer() = default;

bool RollSequencer::isShuffling() const
{
    return m_shuffleTimer->isEnabled();
}

void RollSequencer::load()
{
    m_sound.setOn(true);
    // Loading the sample now lets the first press play at once.
    m_player.preload(diceSoundPath());
}

void RollSequencer::roll()
{
    if (!m_sound.isOn()) {
        rollFinal();
        return;
    }
    m_player.play(diceSoundPath());
    const bool wasShuffling = isShuffling();
    m_shuffleTimer->setEnabled(true);
    m_stopTimer->setEnabled(true);
    if (!wasShuffling)
        Q_EMIT shuffleStarted();
    // Nothing is drawn yet: the first shuffle tick brings the first values.
}

void RollSequencer::showShuffleFrame()
{
    rollOnce();
}

void RollSequencer::stopShuffle()
{
    m_shuffleTimer->setEnabled(false);
    rollFinal();
    m_stopTimer->setEnabled(false);
    Q_EMIT shuffleEnded();
}

void RollSequencer::rollFinal()
{
    const Roll roll = drawRoll(m_random);
    showRoll(roll, m_labels);
    if (m_history)
        m_history->add(roll, m_clock.now());
}

void RollSequencer::rollOnce()
{
    showRoll(drawRoll(m_random), m_labels);
}
