#include "ui/scoresheet/SheetCell.h"

#include "ui/scoresheet/CellText.h"

#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A tooltip shows the start of a very long text: enough to recognise it.
constexpr qsizetype MaxTipLength = 500;

// How the sheet counts text, said for a tooltip; empty where it reads as it counts: a plain
// whole number, or nothing at all.
QString howCounted(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A plain whole number, any size, reads as it counts; a total it cannot fit in says so itself.
    const qsizetype start = trimmed.startsWith(u'-') ? 1 : 0;
    if (trimmed.size() > start
        && std::all_of(trimmed.begin() + start, trimmed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    double value = 0;
    try {
        value = textValue(text);
    } catch (const ScoresheetOverflow &) {
        return QCoreApplication::translate("SheetCell", "Too large to count.");
    }
    const QString number = std::isfinite(value) ? numberText(value) : QString();
    if (value != std::nearbyint(value))
        return QCoreApplication::translate("SheetCell", "Counted as %1; totals round it to a whole number.")
            .arg(number);
    return QCoreApplication::translate("SheetCell", "Counted as %1.").arg(number);
}
} // namespace

SheetCell::SheetCell(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    // The line edit's own limit would cut a long pasted text.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &SheetCell::textChangedHere);
    showTip();
}

void SheetCell::setNumberCell(bool number)
{
    m_number = number;
    textChangedHere();
}

void SheetCell::textChangedHere()
{
    const QString counted = m_number ? howCounted(text()) : QString();
    if (counted != m_counted) {
        m_counted = counted;
        setAccessibleDescription(counted);
        update();
    }
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
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        Q_EMIT arrowPressed(event->key() == Qt::Key_Up);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SheetCell::mousePressEvent(QMouseEvent *event)
{
    // The first click selects the whole value; a click in a cell being edited places the caret.
    // The click has given the focus by the time it arrives here.
    if (m_focusedByClick && event->button() == Qt::LeftButton) {
        m_focusedByClick = false;
        selectAll();
        m_selectedByClick = true;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void SheetCell::mouseMoveEvent(QMouseEvent *event)
{
    if (m_selectedByClick) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void SheetCell::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_selectedByClick) {
        m_selectedByClick = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SheetCell::paintEvent(QPaintEvent *event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        if (isMarked()) {
            QPainter painter(this);
            paintMark(painter);
        }
        return;
    }
    QPainter painter(this);
    paintCell(painter, rect());
    if (isMarked())
        paintMark(painter);
}

// A small orange corner at the top right: seen on screen, never printed.
void SheetCell::paintMark(QPainter &painter) const
{
    const int side = qMax(4, height() / 3);
    const QPointF corner(width(), 0);
    const QPolygonF triangle{corner, corner - QPointF(side, 0), corner + QPointF(0, side)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 120, 0));
    painter.drawPolygon(triangle);
    painter.restore();
}

void SheetCell::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_focusedByClick = event->reason() == Qt::MouseFocusReason;
}

void SheetCell::focusOutEvent(QFocusEvent *event)
{
    m_focusedByClick = false;
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
    QString tip = whole ? QString() : text();
    if (tip.size() > MaxTipLength)
        tip = tip.left(MaxTipLength) + QStringLiteral("...");
    if (isMarked())
        tip = tip.isEmpty() ? m_counted : m_counted + u'\n' + tip;
    setToolTip(tip);
}
