#pragma once

#include <memory>

class QAction;
class QWidget;
class RollHistory;
class RollPanel;
class RollSequencer;
struct WindowContext;

// Wires a window's roll panel and sound commands to the one roll sequencing: "Click to
// Roll", the two timers, "Sound On" and "Sound Off"; every final roll goes into the
// window's roll history and is told to a screen reader. The sound commands show the
// application's sound setting and change it; they keep no state of their own. Every
// window that rolls uses this, so both behave the same in every respect.
class RollBinding
{
public:
    // Makes mnuOn and mnuOff for the window's Sound menu and gets the roll ready (sound on).
    RollBinding(WindowContext &context, RollPanel &panel, RollHistory &history, QWidget *window);
    ~RollBinding();

    RollSequencer &sequencer() { return *m_sequencer; }
    QAction *mnuOn() const { return m_mnuOn; }
    QAction *mnuOff() const { return m_mnuOff; }

private:
    std::unique_ptr<RollSequencer> m_sequencer;
    QAction *m_mnuOn;
    QAction *m_mnuOff;
};
