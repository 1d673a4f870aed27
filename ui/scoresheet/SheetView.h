#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

class Field;
class PrintPage;
class QPushButton;
class RollPanel;
class Scoresheet;
class SheetCell;

// The scoresheet as the user sees it: the sheet picture with a cell over each of its
// fields, and under it either the roll panel (Frame2) or the linescore (Frame1) with "View
// Rolls". Each cell shows its field as the sheet writes it; each edit the user makes in a
// typed cell is told as typed(), and the sheet's history turns it into one write.
class SheetView final : public QWidget
{
    Q_OBJECT

public:
    // rollArea holds the roll panel; it becomes Frame2.
    SheetView(Scoresheet &sheet, RollPanel &panel, QWidget *rollArea, QWidget *parent);
    ~SheetView() override;

    SheetCell *cell(const Field &field) const { return m_cells.value(&field); }
    // The sheet as it goes on paper.
    const PrintPage &page() const { return *m_page; }
    // The hidden buttons of the window's commands, and "View Rolls".
    QPushButton *resetButton() const { return m_cmdReset; }
    QPushButton *printButton() const { return m_cmdPrint; }
    QPushButton *rulesButton() const { return m_cmdRules; }

    bool showsLinescore() const;
    void showLinescore();
    void showRolls();
    // While the sheet is printed: the linescore without "View Rolls".
    void showPrintView();

Q_SIGNALS:
    void typed(Field &field, const QString &text);

private:
    SheetCell *bind(Field &field);
    void applyTabOrder(RollPanel &panel);
    void showLowerPanel(bool linescore);
    // Enter: to the next field across the row; back, to the one before.
    void moveOn(SheetCell *from, bool back);
    // Up and Down: to the cell above or below in the same column, as the user sees it.
    void moveVertically(SheetCell *from, bool up);
    void reach(SheetCell *cell);

    Scoresheet &m_sheet;
    RollPanel &m_panel;
    QHash<const Field *, SheetCell *> m_cells;
    QHash<const SheetCell *, Field *> m_fields;
    QHash<const SheetCell *, qsizetype> m_entryPlace; // in scoresheetEntryOrder()
    QWidget *m_frame1;
    QWidget *m_frame2;
    QPushButton *m_cmdViewRolls;
    QPushButton *m_cmdReset;
    QPushButton *m_cmdPrint;
    QPushButton *m_cmdRules;
    std::unique_ptr<PrintPage> m_page;
};
