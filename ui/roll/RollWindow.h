#pragma once

#include "ui/roll/RollPanel.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class QAction;
class RollBinding;
class FramePacer;
class RollHistory;
class RollHistoryPanel;
struct WindowContext;

// What the two windows that roll have in common: a white client area, the roll panel
// and its binding to the Sound menu, the roll history beside the dice, the "View Rules"
// and "Exit" commands, the menu bar, and the unload that brings the launcher back.
class RollWindow : public QMainWindow
{
    Q_OBJECT

public:
    ~RollWindow() override;

    RollBinding &rollBinding() { return *m_roll; }
    RollPanel &panel() { return *m_panel; }
    RollHistoryPanel &historyPanel() { return *m_historyPanel; }
    RollHistory &rollHistory() { return *m_history; }

Q_SIGNALS:
    // The window is closing, by its close box or File, Exit; it is never called off.
    void closed();

protected:
    // The roll panel is built into a widget of its own (rollArea()) that the window puts
    // where its layout says. Its final rolls go into shared, a history that outlives the
    // window; without one the window keeps a history of its own.
    RollWindow(WindowContext &context, const QString &objectName, const QString &caption, RollPanel::Variant variant,
               RollHistory *shared, QWidget *parent);

    WindowContext &context() const { return m_context; }

    // The widget that holds the roll panel.
    QWidget *rollArea() const { return m_rollArea; }
    // Gives client the white paper of the client area and makes it the central widget.
    void makeClientArea(QWidget *client, QSize minimum);

    // A window's own menu items: separators may stand among them.
    struct OwnMenus
    {
        QList<QAction *> file; // before Exit
        QList<QAction *> edit; // no Edit menu when empty
        QList<QAction *> view; // after Roll History
    };
    // The whole menu bar, in one place: File (the window's items, then Exit), Edit, View
    // (Roll History, then the window's items), Sound (On, Off) and Help (View Rules).
    void buildMenuBar(const OwnMenus &own);
    // A separator for OwnMenus.
    QAction *separator();

    // File, Exit: closes the window; a window may ask first.
    virtual void exitChosen();
    // Whether the window's own area may be narrowed (it scrolls) to make room for the
    // roll history beside it.
    virtual bool canNarrow() const { return false; }
    // The window's size without the roll history.
    void setNaturalSize(QSize size) { m_naturalSize = size; }
    // "View Rules": opens the rules document beside the program, or says why not.
    void openRules();

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Puts the roll history beside the window where the screen has room for both, else in
    // a window of its own, always inside the screen.
    void placeHistory();
    void historyHidden();

    // First: the children made below send the window events that read it.
    bool m_awaitingFrame = false; // shown, and the window manager's frame not yet known
    WindowContext &m_context;
    RollHistory *m_history;
    QWidget *m_rollArea;
    std::unique_ptr<RollPanel> m_panel;
    std::unique_ptr<RollBinding> m_roll;
    RollHistoryPanel *m_historyPanel;
    FramePacer *m_pacer;
    QAction *m_exit;
    QAction *m_rules;
    QSize m_naturalSize;
    QSize m_sizeBeforeHistory; // where the window goes back to when the history goes
};
