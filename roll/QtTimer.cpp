#include "roll/Timer.h"

#include <QPointer>
#include <QTimer>

namespace {
// A QTimer behind the Timer interface. The QTimer is a child of the window, so it
// ends with the window even while enabled.
class QtTimer final : public Timer
{
public:
    QtTimer(QObject *owner, const QString &objectName, int intervalMs)
        : m_timer(new QTimer(owner))
    {
        m_timer->setObjectName(objectName);
        m_timer->setInterval(intervalMs);
        // Coarse timers may fire up to 5% late; the 5 ms shuffle wants every tick it can get.
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { tick(); });
    }

    ~QtTimer() override
    {
        // Normally the window's member outlives nothing of its own; should the owner have
        // gone first, the QPointer is already null.
        delete m_timer.data();
    }

    void setEnabled(bool enabled) override
    {
        // Enabling an enabled timer restarts its count, as a fresh enable does.
        if (enabled)
            m_timer->start();
        else
            m_timer->stop();
    }

    bool isEnabled() const override { return m_timer->isActive(); }
    int interval() const override { return m_timer->interval(); }

private:
    QPointer<QTimer> m_timer;
};
} // namespace

std::unique_ptr<Timer> QtTimerFactory::create(QObject *owner, const QString &objectName, int intervalMs)
{
    return std::make_unique<QtTimer>(owner, objectName, intervalMs);
}
