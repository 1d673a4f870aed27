#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// While active, paints a window at most once per refresh of its screen. A shuffle changes
// the dice every 5 ms, faster than any screen shows; the window's repaint requests between
// two refreshes wait for the next one and are painted together. Nothing is lost: a held
// request is always delivered, so the last change (the final roll) is always painted.
// Inactive (typing, everything but a shuffle), every request is painted at once.
class FramePacer final : public QObject
{
public:
    explicit FramePacer(QWidget *window);

    void setActive(bool active) { m_active = active; }

    // The time between two refreshes of the window's screen, in milliseconds.
    int frameIntervalMs() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QElapsedTimer m_sinceLastPaint;
    QTimer m_held; // delivers a held request at the next refresh
    bool m_active = false;
};
