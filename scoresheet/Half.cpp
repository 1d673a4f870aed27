#include "scoresheet/Half.h"

#include "scoresheet/NumberBuffer.h"
#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <cmath>

namespace {

void writeNumber(Field &field, qint16 value)
{
    field.write(NumberBuffer(value).view());
}

// Callers pass finite numbers only: differences of 16-bit totals, checked counters.
void writeNumber(Field &field, double value)
{
    field.write(NumberBuffer(value).view());
}

using C = ColumnId;

} // namespace

Half::Half(Side side, SheetState &state, qint16 &pitchHits)
    : m_side(side)
    , m_state(state)
    , m_pitchHits(pitchHits)
{
    for (const SheetColumn &column : sheetColumns()) {
        if (column.array) {
            m_arrays[std::size_t(column.id)] = &m_arrayStore.emplace_back(column, side);
        } else {
            m_singles[std::size_t(column.id)] = &m_singleStore.emplace_back(column, side, column.name(side), 0);
        }
    }

    array(C::Hit).setHandler([this](qint16 index) { battingHitsChanged(index); });
    array(C::RBI).setHandler([this](qint16 index) { rbiChanged(index); });
    array(C::HitP).setHandler([this](qint16 index) { inningHitsChanged(index); });
    single(C::Hits).setHandler([this](qint16) { hitsCounterChanged(); });
    array(C::R).setHandler([this](qint16 index) { inningRunsChanged(index); });
    array(C::BB).setHandler([this](qint16 index) { inningWalksChanged(index); });
    single(C::Team).setHandler([this](qint16) { teamNameChanged(); });
}

// A batting H field changed: HITS, the linescore H and NEED H follow the batting total.
void Half::battingHitsChanged(qint16)
{
    const qint16 hits = columnSum(array(C::Hit), 1, SheetColumn::BattingRows);
    writeNumber(single(C::Hits), hits);
    writeNumber(single(C::Hits2), hits);
    const int need = int(m_pitchHits) - int(hits);
    if (need < -32768 || need > 32767)
        throw ScoresheetOverflow(QStringLiteral("The %1 team's NEED H (inning hits minus batting hits) no longer "
                                                "fits between -32768 and 32767.")
                                     .arg(sideWord(m_side)),
                                 single(C::NeedH).name());
    writeNumber(single(C::NeedH), qint16(need));
    // No pull routine here: this is a batting row, not an inning row.
}

// An RBI field changed: the total goes into the hidden element 0 (whose own run of
// this handler finds the same total and ends there), then NEED H+RBI.
void Half::rbiChanged(qint16)
{
    const qint16 rbi = columnSum(array(C::RBI), 1, SheetColumn::BattingRows);
    writeNumber(array(C::RBI)[0], rbi);
    writeNumber(single(C::NeedHRBI), textValue(single(C::Runs).text()) - rbi);
}

// An inning H field changed (element 0 only during a reset): the inning total goes
// into PitchHits, HITS and the linescore H; NEED H is inning hits minus the hits
// credited in the batting rows, whatever HITS showed before.
void Half::inningHitsChanged(qint16 index)
{
    const qint16 pitched = columnSum(array(C::HitP), 1, SheetColumn::InningRows);
    m_pitchHits = pitched;
    const qint16 credited = columnSum(array(C::Hit), 1, SheetColumn::BattingRows);
    writeNumber(single(C::NeedH), double(pitched) - double(credited));
    writeNumber(single(C::Hits), pitched);
    writeNumber(single(C::Hits2), pitched);
    m_state.currentRow = index;
    updatePullCounter();
}

void Half::hitsCounterChanged()
{
    single(C::Hits2).write(single(C::Hits).text());
}

// An inning R field changed: RUNS, the linescore R, NEED H+RBI and the inning's
// linescore cell, which copies the text as typed.
void Half::inningRunsChanged(qint16 index)
{
    const qint16 runs = columnSum(array(C::R), 1, SheetColumn::InningRows);
    writeNumber(single(C::Runs), runs);
    writeNumber(single(C::Runs2), runs);
    writeNumber(single(C::NeedHRBI), double(runs) - textValue(array(C::RBI)[0].text()));
    array(C::Inn)[index].write(array(C::R)[index].text());
    m_state.currentRow = index;
    updatePullCounter();
}

void Half::inningWalksChanged(qint16 index)
{
    m_state.currentRow = index;
    updatePullCounter();
}

void Half::teamNameChanged()
{
    single(C::Team2).write(single(C::Team).text());
    single(C::Team3).write(single(C::Team).text());
}

// The pull counter of one inning row: its runs, hits and walks plus one for the
// inning, plus the counter above while the same pitcher carries on (empty name).
void Half::updatePullCounter()
{
    if (m_state.resetting)
        return;
    const int row = m_state.currentRow;
    if (row < 1 || row > SheetColumn::InningRows)
        return; // only the hidden element 0 asks for another row, and only during a reset

    // A negative entry anywhere in the row leaves the counter as it stands.
    const double runs = elementValue(array(C::R), row);
    if (runs < 0)
        return;
    if (elementValue(array(C::ER), row) < 0)
        return;
    const double hits = elementValue(array(C::HitP), row);
    if (hits < 0)
        return;
    if (elementValue(array(C::K), row) < 0)
        return;
    const double walks = elementValue(array(C::BB), row);
    if (walks < 0)
        return;

    double counter = runs + 1 + hits + walks;
    if (row > 1 && array(C::Pitcher)[row].text().isEmpty())
        counter += elementValue(array(C::Pull), row - 1);
    if (!std::isfinite(counter))
        throw ScoresheetOverflow(QStringLiteral("The %1 comes to a number too large to count with (row %2).")
                                     .arg(array(C::Pull).caption())
                                     .arg(array(C::Pull).row(row)),
                                 array(C::Pull).name(), row);
    writeNumber(array(C::Pull)[row], counter);
}
