#pragma once

#include "scoresheet/Field.h"
#include "scoresheet/FieldArray.h"
#include "scoresheet/Half.h"

#include <QAnyStringView>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

struct ModGeneral;

// The whole scoresheet of one game, without a window: two halves of fields whose
// change handlers keep the totals, need counters, linescore and pull counters up to
// date, and the reset. A window creates one when it opens and binds each control to
// its field (Field::setView for what the sheet writes, Field::write for what the
// user types, one write per edit).
class Scoresheet
{
public:
    // A new sheet: every field at its initial text, nothing raised. The inning hits
    // totals and CurrentRow of a previous sheet do not carry over.
    explicit Scoresheet(ModGeneral &shared);

    Scoresheet(const Scoresheet &) = delete;
    Scoresheet &operator=(const Scoresheet &) = delete;

    // The question cmdReset_Click asks, in a Yes/No box titled "Quorvel".
    static QString resetQuestion();

    Half &away() { return m_away; }
    Half &home() { return m_home; }
    ModGeneral &shared() { return m_shared; }

    // By name, as the window and tests see the fields: field("txtHitA", 7),
    // field("txtTeamA"). Throws FieldLookupError for an unknown name, an index
    // outside the array's set, or a single field asked for as an array (or back).
    Field &field(QStringView name, int index);
    Field &field(QStringView name);
    Field &field(const char *name, int index);
    Field &field(const char *name);
    FieldArray &array(QAnyStringView name);

    QString text(QStringView name, int index) const;
    QString text(QStringView name) const;
    QString text(const char *name, int index) const;
    QString text(const char *name) const;

    void write(QStringView name, int index, const QString &text);
    void write(QStringView name, const QString &text);
    void write(const char *name, int index, const QString &text);
    void write(const char *name, const QString &text);

    // Every field, hidden ones included: the away half's, then the home half's.
    const std::vector<Field *> &fields() const { return m_fields; }

    // Asks through confirm (true for Yes); on Yes clears the sheet for a new game,
    // keeping the team names. Returns whether it reset. An overflow raised on the way
    // ends the reset there and leaves through here, with Resetting back at 0.
    bool cmdReset_Click(const std::function<bool()> &confirm);

private:
    struct NameEntry
    {
        QStringView name;
        Field *single;
        FieldArray *array;
    };

    const NameEntry &lookup(QAnyStringView name, std::optional<int> index) const;
    Field &find(QAnyStringView name, int index) const;
    Field &find(QAnyStringView name) const;
    void clearAll();

    ModGeneral &m_shared;
    Half m_away;
    Half m_home;
    std::vector<Field *> m_fields;
    std::vector<NameEntry> m_byName; // sorted by name
};
