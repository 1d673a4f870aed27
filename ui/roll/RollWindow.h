#pragma once

#include "ui/roll/RollPanel.h"

#include <QMainWindow>

#include <memory>

class QMenu;
class RollBinding;
class FramePacer;
class RollHistory;
class RollHistoryPanel;
struct WindowContext;

// What the two windows that roll have in common: a white client area under a menu
// bar of File, View, Sound and Help, the roll panel's binding to the Sound menu, the
// roll history beside the dice, the "View Rules" command, and the unload that brings
// the launcher back.
class RollWindow : public QMainWindow
{
    Q_OBJECT

public:
    ~RollWindow() override;

    RollBinding &rollBinding() { return *m_roll; }
    RollPanel &panel() { return *m_panel; }
    RollHistoryPanel &historyPanel() { return *m_historyPanel; }

Q_SIGNALS:
    // The window is closing, by its close box or File, Exit; it is never called off.
    void closed();

protected:
    RollWindow(WindowContext &context, const QString &objectName, const QString &caption, QWidget *parent);

    WindowContext &context() { return m_context; }

    // The white client area, made the central widget.
    QWidget *makeClientArea(QSize minimum);
    // Adds a menu of the menu bar, named as its control.
    QMenu *addMenu(const QString &objectName, const QString &title);
    // Builds the roll panel into parent (behind nothing made later).
    void addRollPanel(RollPanel::Variant variant, QWidget *parent);
    // The View menu with "Roll History" over history's dock, then the Sound menu, bound
    // with the panel to the roll sequencing; runs the load handling.
    void addSoundMenu(RollHistory &history);
    // "View Rules": opens the rules document beside the program, or says why not.
    void openRules();

    void closeEvent(QCloseEvent *event) override;

private:
    WindowContext &m_context;
    std::unique_ptr<RollPanel> m_panel;
    std::unique_ptr<RollBinding> m_roll;
    RollHistoryPanel *m_historyPanel = nullptr;
    FramePacer *m_pacer = nullptr;
};
