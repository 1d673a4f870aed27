#pragma once

#include "scoresheet/Field.h"
#include "scoresheet/FieldArray.h"
#include "scoresheet/Half.h"
#include "scoresheet/SheetState.h"

#include <QAnyStringView>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// The whole scoresheet of one game, without a window: two halves of fields whose
// change handlers keep the totals, need counters, linescore and pull counters up to
// date, and the reset. A window creates one when it opens and binds each control to
// its field (Field::setView for what the sheet writes, Field::write for what the
// user types, one write per edit).
class Scoresheet
{
public:
    // A new sheet: every field at its initial text, the state at zero.
    Scoresheet();

    Scoresheet(const Scoresheet &) = delete;
    Scoresheet &operator=(const Scoresheet &) = delete;

    // The question a reset asks, in a Yes/No box titled "Quorvel".
    static QString resetQuestion();

    // By name, as tests and messages see the fields: an array's name and an index, or a
    // single field's name. Throws FieldLookupError for an unknown name, an index
    // outside the array's set, or a single field asked for as an array (or back).
    Field &field(QAnyStringView name, int index);
    Field &field(QAnyStringView name);
    // By column and side: field(ColumnId::Team, Side::Away), field(ColumnId::Hit, Side::Away, 7).
    // The index must be one of the column's (0 for a single field).
    Field &field(ColumnId column, Side side, int index = 0);
    const Field &field(ColumnId column, Side side, int index = 0) const;
    FieldArray &array(ColumnId column, Side side) { return half(side).array(column); }
    Half &half(Side side) { return side == Side::Away ? m_away : m_home; }
    // By the control's object name (the table's objectName()); null when the sheet
    // has no such field. For names that come from outside the program.
    Field *findControl(QStringView objectName);
    const Field *findControl(QStringView objectName) const;

    // Every field, hidden ones included: the away half's, then the home half's.
    const std::vector<Field *> &fields() const { return m_fields; }

    // The integers the arithmetic carries between keystrokes.
    SheetState &state() { return m_state; }
    const SheetState &state() const { return m_state; }

    // Asks through confirm (true for Yes); on Yes clears the sheet for a new game,
    // keeping the team names. Returns whether it reset. An overflow raised on the way
    // ends the reset there and leaves through here, with the pull counters free again.
    bool reset(const std::function<bool()> &confirm);

private:
    struct NameEntry
    {
        QStringView name;
        Field *single;
        FieldArray *array;
    };

    // index only for the error message: empty when a single field is asked for.
    const NameEntry &lookup(QAnyStringView name, std::optional<int> index) const;
    void clearAll();

    SheetState m_state;
    Half m_away;
    Half m_home;
    std::vector<Field *> m_fields;
    std::vector<NameEntry> m_byName; // sorted by name
};
