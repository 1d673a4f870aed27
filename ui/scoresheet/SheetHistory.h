#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Field;
class Prompter;
class QAction;
class QUndoStack;
class QWidget;
class Scoresheet;
class SheetEdit;

// The scoresheet's history of edits: every edit of a field by the user (keystrokes in one
// field merge into one step until the typing ends), every command that changes the sheet
// (a reset, an opened game) as one step, and undo and redo. Every write of the sheet goes
// through here: a total that leaves the range the sheet counts in is told to the user and
// the sheet goes on.
class SheetHistory final : public QObject
{
    Q_OBJECT

public:
    SheetHistory(Scoresheet &sheet, Prompter &prompter, QWidget *window);
    ~SheetHistory() override;

    QUndoStack &stack() { return *m_stack; }
    // Edit, Undo and Edit, Redo; undoing ends the typing in hand first.
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

    // One edit the user made in a field: the field takes text, its cascade runs, and the
    // whole of it is one step (or part of the typing step in hand).
    void type(Field &field, const QString &text);
    // A command: change runs (it may write anything, or put a kept sheet back), and what
    // it changed is one step called text. The step is passed to adjust before it is kept
    // (a step that also changes the sheet's file, say). Returns false when nothing changed.
    bool record(const QString &text, const std::function<void()> &change,
                const std::function<void(SheetEdit &)> &adjust = {});
    // The typing in hand is one step from now on: the next keystroke starts another.
    void endTyping() { ++m_typingRun; }

    bool isClean() const;
    void setClean();

Q_SIGNALS:
    // The sheet changed by an edit, an undo or a redo.
    void changed();
    // Whether the sheet is as it was when last saved.
    void cleanChanged(bool clean);

private:
    // Runs one write (or a command); an overflow is told and the sheet goes on.
    void guarded(const std::function<void()> &write);
    void push(SheetEdit *step);

    Scoresheet &m_sheet;
    Prompter &m_prompter;
    QWidget *m_window;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
    quint64 m_typingRun = 0; // keystrokes of one run merge into one step
    QMetaObject::Connection m_focusWatch;
};
