#pragma once

#include "scoresheet/Entry.h"

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

    // name is shared by every element of an array; initialText raises nothing.
    Field(const QString &name, qint16 index, bool arrayElement, Entry entry, QStringView initialText = {});

    Field(Field &&) = default; // only while an array is being built
    Field(const Field &) = delete;
    Field &operator=(const Field &) = delete;
    Field &operator=(Field &&) = delete;

    const QString &name() const { return m_name; }
    qint16 index() const { return m_index; }
    bool isArrayElement() const { return m_arrayElement; }
    // "txtHitA_7" for an array element, "txtTeamA" for a single field.
    QString objectName() const;
    Entry entry() const { return m_entry; }
    const QString &text() const { return m_text; }
    // The text the field has on a new sheet.
    QStringView initialText() const { return m_initialText; }

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

    QString m_name;
    QString m_text;
    QStringView m_initialText; // the sheet's static name tables hold it, like the names
    View m_view;
    Handler m_handler;
    qint16 m_index;
    bool m_arrayElement;
    Entry m_entry;
};
