#include "roll/RollSequencer.h"

#include "app/ModGeneral.h"
#include "roll/Roll.h"
#include "roll/Timer.h"
#include "services/SoundPlayer.h"

RollSequencer::RollSequencer(ModGeneral &shared, RandomSource &random, SoundPlayer &sound, QString programDir,
                             RollLabels &labels, TimerFactory &timers, QObject *timerOwner)
    : m_shared(shared)
    , m_random(random)
    , m_sound(sound)
    , m_programDir(std::move(programDir))
    , m_labels(labels)
    , m_timer1(timers.create(timerOwner, QStringLiteral("Timer1"), StopIntervalMs))
    , m_timer2(timers.create(timerOwner, QStringLiteral("Timer2"), ShuffleIntervalMs))
{
    m_timer1->setTickHandler([this] { Timer1_Timer(); });
    m_timer2->setTickHandler([this] { Timer2_Timer(); });
}

RollSequencer::~RollSequencer() = default;

QString RollSequencer::diceSoundPath() const
{
    // The name carries a trailing blank; PlaySoundFile leaves it out of the lookup.
    return m_programDir + QStringLiteral("/dice.wav ");
}

bool RollSequencer::isShuffling() const
{
    return m_timer2->isEnabled();
}

void RollSequencer::Form_Load()
{
    m_onChecked = true;
    m_offChecked = false;
    m_shared.SoundOn = 1;
    // Loading the sample now lets the first press play at once.
    m_sound.preload(soundFileName(diceSoundPath()));
}

void RollSequencer::mnuOn_Click()
{
    if (!m_onChecked) {
        m_onChecked = true;
        m_offChecked = false;
    }
    if (m_onChecked)
        m_shared.SoundOn = 1;
}

void RollSequencer::mnuOff_Click()
{
    if (!m_offChecked) {
        m_offChecked = true;
        m_onChecked = false;
    }
    if (m_offChecked)
        m_shared.SoundOn = 0;
}

void RollSequencer::cmdRoll_Click()
{
    if (m_shared.SoundOn == 1) {
        PlaySoundFile(m_sound, diceSoundPath());
        m_timer2->setEnabled(true);
        m_timer1->setEnabled(true);
        // Nothing is drawn yet: the first shuffle tick brings the first values.
    }
    if (m_shared.SoundOn == 0)
        rollOnce();
}

void RollSequencer::Timer2_Timer()
{
    rollOnce();
}

void RollSequencer::Timer1_Timer()
{
    m_timer2->setEnabled(false);
    rollOnce();
    m_timer1->setEnabled(false);
}

void RollSequencer::rollOnce()
{
    ShowRoll(DrawRoll(m_random), m_labels);
}
