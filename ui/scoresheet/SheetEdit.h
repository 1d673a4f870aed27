#pragma once

#include "scoresheet/SheetState.h"

#include <QString>
#include <QUndoCommand>

#include <functional>

#include <vector>

class Field;
class Scoresheet;

// Watches a sheet across one change (a keystroke's cascade, a reset, an opened game)
// and tells which fields it changed: every text is taken before, and compared after.
class SheetChangeRecorder
{
public:
    explicit SheetChangeRecorder(const Scoresheet &sheet);

    struct Change
    {
        Field *field;
        QString before;
        QString after;
    };
    // The fields whose texts differ now from when the recorder was made.
    std::vector<Change> changes() const;
    const SheetState &stateBefore() const { return m_state; }

private:
    const Scoresheet &m_sheet;
    std::vector<QString> m_texts; // in the order of Scoresheet::fields()
    SheetState m_state;
};

// One step of the sheet's history: the texts of every field the step changed and the
// state, before and after. Undo and redo put them back as they were, without running a
// change handler, so nothing is recomputed and the next keystroke carries on exactly.
// Keystrokes in one field merge into one step while the typing goes on (same run).
class SheetEdit final : public QUndoCommand
{
public:
    // The step has happened already: the first redo() does nothing.
    SheetEdit(Scoresheet &sheet, const QString &text, const SheetChangeRecorder &recorder, Field *typedInto = nullptr,
              quint64 typingRun = 0);

    bool isEmpty() const { return m_changes.empty() && m_before == m_after && !m_undoAlso; }

    // What else the step changes besides the sheet's texts (the file the sheet belongs to):
    // undo runs after the texts are put back as they were, redo after they are put back again.
    void alsoChange(std::function<void()> undo, std::function<void()> redo);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    Scoresheet &m_sheet;
    std::vector<SheetChangeRecorder::Change> m_changes;
    SheetState m_before;
    SheetState m_after;
    std::function<void()> m_undoAlso;
    std::function<void()> m_redoAlso;
    Field *m_typedInto;
    quint64 m_typingRun;
    bool m_done = true;
};
