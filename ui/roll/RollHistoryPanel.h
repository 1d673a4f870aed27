#pragma once

#include <QDockWidget>

class Prompter;
class QPushButton;
class QTableWidget;
class RollHistory;

// The "Roll History" dock of a window that rolls: the final rolls newest first, each
// value on its die's colours, with commands to copy the selected rolls or all of them
// as plain text and to clear the history. It sits beside the dice, never over them.
class RollHistoryPanel final : public QDockWidget
{
    Q_OBJECT

public:
    RollHistoryPanel(RollHistory &history, Prompter &prompter, QWidget *parent);

    QTableWidget *table() const { return m_table; }
    // The width that shows every column, and the least it may be narrowed to.
    int fullWidth() const;
    int leastWidth() const;

    void copySelected();
    void copyAll();
    void clearHistory();

private:
    void showAdded();
    void showAll();
    void fillRow(int row);

    RollHistory &m_history;
    Prompter &m_prompter;
    QTableWidget *m_table;
    QWidget *m_body;
};
