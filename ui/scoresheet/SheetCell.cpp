#include "ui/scoresheet/SheetCell.h"

#include "ui/scoresheet/CellText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include <limits>

SheetCell::SheetCell(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    // The line edit's own limit would cut a long pasted text.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &SheetCell::showTip);
    showTip();
}

CellText SheetCell::fitted() const
{
    return CellText(text(), font(), size());
}

void SheetCell::paintCell(QPainter &painter, const QRect &rect) const
{
    painter.fillRect(rect, palette().color(QPalette::Base));
    CellText(text(), font(), rect.size()).draw(painter, rect, alignment(), palette().color(QPalette::Text));
}

namespace {
// The sheet keeps the one history of edits: a field's own undo stays out of it.
bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
           || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)
           || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
}
} // namespace

bool SheetCell::event(QEvent *event)
{
    // Ctrl+Z and its kin go to the sheet's Undo and Redo: unaccepted, the override lets the
    // window's shortcuts have the keys.
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedo(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    // When its window becomes active, a line edit schedules a check that drops the
    // selection of a field that has no focus. A sheet has some 560 fields and at most one
    // with a selection: the others would each schedule a check that has nothing to do,
    // every time the window is activated, its first showing included.
    if (event->type() == QEvent::WindowActivate && !hasFocus() && !hasSelectedText())
        return QWidget::event(event);
    return QLineEdit::event(event);
}

void SheetCell::keyPressEvent(QKeyEvent *event)
{
    if (isUndoOrRedo(event)) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        Q_EMIT enterPressed(modifiers == Qt::ShiftModifier);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SheetCell::paintEvent(QPaintEvent *event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    paintCell(painter, rect());
}

void SheetCell::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The cell shows its start again once the user has moved on; a menu or another
    // window only borrows the focus.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
}

void SheetCell::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    showTip();
}

void SheetCell::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showTip();
}

void SheetCell::showTip()
{
    const bool whole = CellText(text(), font(), size()).isWhole();
    setToolTip(whole ? QString() : text());
}
