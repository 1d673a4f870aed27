#pragma once

#include "scoresheet/Field.h"
#include "scoresheet/FieldArray.h"
#include "scoresheet/SheetState.h"

#include <array>
#include <deque>

// One half of the sheet: a team at bat with its twelve batting rows, its four
// counters, the fourteen inning rows of the pitchers facing it, and its name and
// line on the linescore. The sheet holds two, away and home; the change handlers
// below are written once and run in both.
class Half
{
public:
    // pitchHits is this half's inning hits total in state (pitchHitsA or pitchHitsH).
    Half(Side side, SheetState &state, qint16 &pitchHits);

    Half(const Half &) = delete;
    Half &operator=(const Half &) = delete;

    Side side() const { return m_side; }

    // The half's array or single field of a column (an array column's id for array(),
    // a single field's for single()).
    FieldArray &array(ColumnId id) { return *m_arrays[std::size_t(id)]; }
    Field &single(ColumnId id) { return *m_singles[std::size_t(id)]; }

    // Every array and single field of the half, in the order of the column table.
    std::deque<FieldArray> &arrays() { return m_arrayStore; }
    std::deque<Field> &singles() { return m_singleStore; }

    // Change handlers, run by the fields' change notification.
    void battingHitsChanged(qint16 index);
    void rbiChanged(qint16 index);
    void inningHitsChanged(qint16 index);
    void hitsCounterChanged();
    void inningRunsChanged(qint16 index);
    void inningWalksChanged(qint16 index);
    void teamNameChanged();

    // Recomputes the pull counter "*" of the inning row last asked for (currentRow).
    void updatePullCounter();

private:
    Side m_side;
    SheetState &m_state;
    qint16 &m_pitchHits;
    std::deque<FieldArray> m_arrayStore; // never grows after construction: elements stay put
    std::deque<Field> m_singleStore;
    std::array<FieldArray *, ColumnCount> m_arrays{}; // by column id; null for single fields
    std::array<Field *, ColumnCount> m_singles{};     // by column id; null for arrays
};
