#include "ui/scoresheet/SheetEdit.h"

#include "scoresheet/Field.h"
#include "scoresheet/Scoresheet.h"

#include <algorithm>

SheetChangeRecorder::SheetChangeRecorder(const Scoresheet &sheet)
    : m_sheet(sheet)
    , m_state(sheet.state())
{
    m_texts.reserve(sheet.fields().size());
    for (const Field *field : sheet.fields())
        m_texts.push_back(field->text());
}

std::vector<SheetChangeRecorder::Change> SheetChangeRecorder::changes() const
{
    std::vector<Change> changed;
    const std::vector<Field *> &fields = m_sheet.fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]->text() != m_texts[i])
            changed.push_back({fields[i], m_texts[i], fields[i]->text()});
    }
    return changed;
}

SheetEdit::SheetEdit(Scoresheet &sheet, const QString &text, const SheetChangeRecorder &recorder, Field *typedInto,
                     quint64 typingRun)
    : QUndoCommand(text)
    , m_sheet(sheet)
    , m_changes(recorder.changes())
    , m_before(recorder.stateBefore())
    , m_after(sheet.state())
    , m_typedInto(typedInto)
    , m_typingRun(typingRun)
{
}

void SheetEdit::alsoChange(std::function<void()> undo, std::function<void()> redo)
{
    m_undoAlso = std::move(undo);
    m_redoAlso = std::move(redo);
}

void SheetEdit::undo()
{
    for (const auto &change : m_changes)
        change.field->restoreText(change.before);
    m_sheet.state() = m_before;
    m_done = false;
    if (m_undoAlso)
        m_undoAlso();
}

void SheetEdit::redo()
{
    if (m_done)
        return;
    for (const auto &change : m_changes)
        change.field->restoreText(change.after);
    m_sheet.state() = m_after;
    m_done = true;
    if (m_redoAlso)
        m_redoAlso();
}

int SheetEdit::id() const
{
    // Only typing merges; every other step stands alone.
    return m_typedInto && !m_undoAlso ? 1 : -1;
}

bool SheetEdit::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SheetEdit *>(other);
    if (next->m_typedInto != m_typedInto || next->m_typingRun != m_typingRun)
        return false;
    for (const auto &change : next->m_changes) {
        const auto known = std::find_if(m_changes.begin(), m_changes.end(),
                                        [&](const auto &mine) { return mine.field == change.field; });
        if (known == m_changes.end())
            m_changes.push_back(change);
        else
            known->after = change.after;
    }
    m_after = next->m_after;
    return true;
}
