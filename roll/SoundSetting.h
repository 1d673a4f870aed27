#pragma once

#include <QObject>

// Whether a roll shuffles behind the dice sound (on) or shows at once (off). One
// setting serves every window that rolls; the Sound menus show it and keep no copy.
class SoundSetting final : public QObject
{
    Q_OBJECT

public:
    explicit SoundSetting(QObject *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);

Q_SIGNALS:
    void changed(bool on);

private:
    bool m_on = false;
};
