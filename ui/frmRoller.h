#pragma once

#include <QMainWindow>

#include <memory>

class RollBinding;
class RollPanel;
struct WindowContext;

// The stand-alone dice roller: the full roll panel, File / Sound / Help menus.
class frmRoller final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmRoller(WindowContext &context, QWidget *parent = nullptr);
    ~frmRoller() override;

    RollBinding &roll() { return *m_roll; }

Q_SIGNALS:
    // The window is closing, by its close box or File, Exit.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void mnuRules_Click();

    WindowContext &m_context;
    std::unique_ptr<RollPanel> m_panel;
    std::unique_ptr<RollBinding> m_roll;
};
