#include "roll/SoundSetting.h"

SoundSetting::SoundSetting(QObject *parent)
    : QObject(parent)
{
}

void SoundSetting::setOn(bool on)
{
    if (m_on == on)
        return;
    m_on = on;
    Q_EMIT changed(on);
}
