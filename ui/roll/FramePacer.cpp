#include "ui/roll/FramePacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <cmath>

FramePacer::FramePacer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_held.setSingleShot(true);
    m_held.setTimerType(Qt::PreciseTimer);
    connect(&m_held, &QTimer::timeout, this,
            [this] { QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority); });
    window->installEventFilter(this);
}

int FramePacer::frameIntervalMs() const
{
    const QScreen *screen = m_window->screen();
    const qreal hertz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    return qMax(1, int(std::floor(1000.0 / hertz)));
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::UpdateRequest)
        return false;
    const int interval = frameIntervalMs();
    if (m_active && m_sinceLastPaint.isValid() && m_sinceLastPaint.elapsed() < interval) {
        // Too soon after the last paint: held, and delivered at the next refresh. The
        // window posts no other request meanwhile, so all its changes wait together.
        if (!m_held.isActive())
            m_held.start(int(interval - m_sinceLastPaint.elapsed()));
        return true;
    }
    m_sinceLastPaint.restart();
    return false;
}
