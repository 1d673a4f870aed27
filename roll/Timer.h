#pragma once

#include <QString>

#include <functional>
#include <memory>

class QObject;

// A repeating timer as the roll sequencing sees it: enabled or not, with a tick
// handler. Ticks arrive as queued events on the user-interface thread, never while
// a handler runs, and a disabled timer delivers no further ticks.
class Timer
{
public:
    virtual ~Timer() = default;

    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual int interval() const = 0;

    void setTickHandler(std::function<void()> handler) { m_tick = std::move(handler); }

protected:
    void tick()
    {
        if (m_tick)
            m_tick();
    }

private:
    std::function<void()> m_tick;
};

// Makes the timers of a window. The real factory makes Qt timers owned by the window
// (named after the control, Timer1 or Timer2); tests hand in timers they tick by hand.
class TimerFactory
{
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> create(QObject *owner, const QString &objectName, int intervalMs) = 0;
};

class QtTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<Timer> create(QObject *owner, const QString &objectName, int intervalMs) override;
};
