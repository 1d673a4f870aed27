#pragma once

#include "ui/roll/RollWindow.h"

#include <functional>
#include <memory>

class Field;
class GameKeeper;
class QLineEdit;
class QPushButton;
class QUndoStack;
class RollHistory;
class Scoresheet;
class ScoresheetPage;
class SheetEdit;

// The electronic scoresheet of one game: the sheet with its fields over the printed
// grid, and below it either the roll panel (Frame2) or the linescore (Frame1). Every
// value lives in the Scoresheet model; each line edit shows one field and turns each
// edit the user makes into one write of that field.
class ScoresheetWindow final : public RollWindow
{
    Q_OBJECT

public:
    explicit ScoresheetWindow(WindowContext &context, QWidget *parent = nullptr);
    ~ScoresheetWindow() override;

    Scoresheet &sheet() { return *m_sheet; }
    GameKeeper &gameKeeper() { return *m_keeper; }
    QUndoStack &history() { return *m_history; }
    RollHistory &rolls() { return *m_rolls; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildSheet(QWidget *client);
    void buildMenus();
    QLineEdit *bindField(Field &field, QWidget *sheetParent, QWidget *linescoreParent);
    void applyTabOrder();

    // One edit of a field by the user, with its cascade, as one step of the history.
    void typeInto(Field &field, const QString &text);
    void record(SheetEdit *step);
    void showTitle();
    // Sizes and places the window inside the screen's available area; where the sheet
    // does not fit, it scrolls inside the window.
    void fitIntoScreen();
    void resetSheet();
    void printSheet();
    void exportPdf();
    // "<away> at <home> <yyyy-mm-dd>.pdf" in the documents folder.
    QString suggestedPdfPath() const;
    void showLinescore();
    void showRolls();
    void showLowerPanel(bool linescore);
    void confirmExit();
    // Runs one write (or a reset) of the sheet; an overflow is told to the user and the sheet goes on.
    template <typename Write> void guarded(Write &&write);

    std::unique_ptr<Scoresheet> m_sheet;
    std::unique_ptr<ScoresheetPage> m_page; // what Print and Export PDF put on paper
    QUndoStack *m_history;
    RollHistory *m_rolls; // part of the game: saved and opened with the sheet
    GameKeeper *m_keeper = nullptr;
    quint64 m_typingRun = 0; // keystrokes of one run merge into one step
    QMetaObject::Connection m_focusWatch;
    bool m_shownOnce = false;
    QWidget *m_client = nullptr;
    QWidget *m_frame1 = nullptr;
    QWidget *m_frame2 = nullptr;
    QPushButton *m_cmdViewRolls = nullptr;
    QPushButton *m_cmdReset = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_cmdRules = nullptr;
};
