#include "ui/scoresheet/SheetHistory.h"

#include "scoresheet/Field.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"
#include "scoresheet/TextRules.h"
#include "services/Prompter.h"
#include "ui/scoresheet/SheetEdit.h"

#include <QAction>
#include <QApplication>
#include <QUndoStack>
#include <QWidget>

SheetHistory::SheetHistory(Scoresheet &sheet, Prompter &prompter, QWidget *window)
    : QObject(window)
    , m_sheet(sheet)
    , m_prompter(prompter)
    , m_window(window)
    , m_stack(new QUndoStack(this))
    , m_undo(m_stack->createUndoAction(this, tr("&Undo")))
    , m_redo(m_stack->createRedoAction(this, tr("&Redo")))
{
    m_undo->setObjectName(QStringLiteral("mnuUndo"));
    m_undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo->setObjectName(QStringLiteral("mnuRedo"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The typing step in hand closes before it is undone, and when the focus moves on.
    connect(m_undo, &QAction::triggered, this, &SheetHistory::endTyping);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &SheetHistory::endTyping);
    // The stack tells of every push, a merged keystroke too, and of every undo and redo.
    connect(m_stack, &QUndoStack::indexChanged, this, &SheetHistory::changed);
    connect(m_stack, &QUndoStack::cleanChanged, this, &SheetHistory::cleanChanged);
}

SheetHistory::~SheetHistory()
{
    // Focus moves and the stack tells of its end while the window's children go.
    disconnect(m_focusWatch);
    m_stack->disconnect(this);
}

bool SheetHistory::isClean() const
{
    return m_stack->isClean();
}

void SheetHistory::setClean()
{
    m_stack->setClean();
}

void SheetHistory::guarded(const std::function<void()> &write)
{
    try {
        write();
    } catch (const ScoresheetOverflow &overflow) {
        m_prompter.inform(m_window, overflow.message());
    }
}

void SheetHistory::type(Field &field, const QString &text)
{
    const QString line = asOneLine(text);
    SheetChangeRecorder recorder(m_sheet);
    guarded([&] { field.write(line); });
    push(new SheetEdit(m_sheet, tr("Typing in %1").arg(describeField(field.column(), field.side(), field.index())),
                       recorder, &field, m_typingRun));
}

bool SheetHistory::record(const QString &text, const std::function<void()> &change,
                          const std::function<void(SheetEdit &)> &adjust)
{
    endTyping();
    SheetChangeRecorder recorder(m_sheet);
    guarded(change);
    auto *step = new SheetEdit(m_sheet, text, recorder);
    if (adjust)
        adjust(*step);
    const bool changedSomething = !step->isEmpty();
    push(step);
    endTyping();
    return changedSomething;
}

void SheetHistory::push(SheetEdit *step)
{
    if (step->isEmpty()) {
        delete step;
        return;
    }
    m_stack->push(step);
}
