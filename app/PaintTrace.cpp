#include "app/PaintTrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>

PaintTrace::PaintTrace(std::FILE *stream)
    : m_stream(stream)
{
}

void PaintTrace::installIfAsked()
{
    if (qEnvironmentVariableIsEmpty("QUORVEL_TRACE_PAINTS"))
        return;
    auto *trace = new PaintTrace(stderr);
    trace->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(trace);
}

bool PaintTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    if (!m_painted.insert(window).second)
        return false;
    // A window made later at the same address is a new window.
    connect(window, &QObject::destroyed, this, [this, window] { m_painted.erase(window); });
    // The window and its children are painted and flushed in this pass of the event loop;
    // the next pass sees the frame delivered.
    const QString name = window->objectName();
    QTimer::singleShot(0, this, [this, name] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(m_stream, "quorvel: painted %s %lld\n", qPrintable(name),
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(m_stream);
    });
    return false;
}
