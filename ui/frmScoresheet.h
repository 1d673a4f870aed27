#pragma once

#include <QMainWindow>

#include <memory>

class Field;
class QLineEdit;
class QPushButton;
class RollBinding;
class RollPanel;
class Scoresheet;
struct WindowContext;

// The electronic scoresheet of one game: the sheet with its fields over the printed
// grid, and below it either the roll panel (Frame2) or the linescore (Frame1). Every
// value lives in the Scoresheet model; each line edit shows one field and turns each
// edit the user makes into one write of that field.
class frmScoresheet final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmScoresheet(WindowContext &context, QWidget *parent = nullptr);
    ~frmScoresheet() override;

    Scoresheet &sheet() { return *m_sheet; }
    RollBinding &roll() { return *m_roll; }

Q_SIGNALS:
    // The window is closing, by its close box or File, Exit.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildSheet(QWidget *client);
    void buildMenus();
    QLineEdit *bindField(Field &field, QWidget *sheetParent, QWidget *linescoreParent);
    void applyTabOrder();

    void cmdReset_Click();
    void cmdPrint_Click();
    void cmdLinescore_Click();
    void cmdViewRolls_Click();
    void cmdRules_Click();
    void mnuExit_Click();
    // Runs one write (or a reset) of the sheet; an overflow is told to the user and the sheet goes on.
    template <typename Write> void guarded(Write &&write);

    WindowContext &m_context;
    std::unique_ptr<Scoresheet> m_sheet;
    std::unique_ptr<RollPanel> m_panel;
    std::unique_ptr<RollBinding> m_roll;
    QWidget *m_client = nullptr;
    QWidget *m_frame1 = nullptr;
    QWidget *m_frame2 = nullptr;
    QPushButton *m_cmdViewRolls = nullptr;
    QPushButton *m_cmdReset = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_cmdRules = nullptr;
};
