#pragma once

#include "scoresheet/SheetColumns.h"

#include <QString>
#include <QStringView>

#include <functional>

// One text slot of the scoresheet. Its text is its value; nothing else is stored.
// A write that changes the text shows it in the window's control and then runs the
// field's change handler at once, inside the write, so totals follow every keystroke.
// A write of the same text does nothing at all, which is what ends the cascades.
class Field
{
public:
    using Handler = std::function<void(qint16 index)>;
    using View = std::function<void(const QString &text)>;

    // name is the column's name on that side, shared by every element of an array.
    // The field starts with the column's initial text, which raises nothing.
    Field(const SheetColumn &column, Side side, const QString &name, qint16 index);

    Field(Field &&) = default; // only while an array is being built
    Field(const Field &) = delete;
    Field &operator=(const Field &) = delete;
    Field &operator=(Field &&) = delete;

    const SheetColumn &column() const { return *m_column; }
    Side side() const { return m_side; }
    // The array's name for an element of an array, the field's own for a single field.
    const QString &name() const { return m_name; }
    qint16 index() const { return m_index; }
    // The row in which the user sees the field (an array's element), 0 for a single field.
    int row() const { return m_column->row(m_side, m_index); }
    // The control's name: the array's name and the index for an array element.
    QString objectName() const;
    Entry entry() const { return m_column->entry(m_index); }
    const QString &text() const { return m_text; }
    // The text the field has on a new sheet.
    QStringView initialText() const { return m_column->initialText; }

    // Replaces the text if it differs, then calls the view and the change handler.
    // Whatever the handler throws (an overflow) leaves through here; the new text stays.
    void write(QStringView text);
    void write(const QString &text) { write(QStringView(text)); }

    // Puts back a text kept from earlier (an opened game): replaces the text if it
    // differs and calls the view, but runs no change handler, so nothing is recomputed.
    void restoreText(QStringView text);

    // The window's hook: called on every real change, before the handler runs.
    void setView(View view) { m_view = std::move(view); }
    // The sheet's own bookkeeping; a single field's handler gets index 0.
    void setHandler(Handler handler) { m_handler = std::move(handler); }

private:
    // Takes the text and shows it in the window.
    void replace(QStringView text);
    void assign(QStringView text);

    const SheetColumn *m_column;
    QString m_name;
    QString m_text;
    View m_view;
    Handler m_handler;
    qint16 m_index;
    Side m_side;
};
