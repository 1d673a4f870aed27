#include "scoresheet/Half.h"

#include "scoresheet/NumberBuffer.h"
#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <cmath>

namespace {

Field singleField(QStringView name, Entry entry, QStringView initialText = {})
{
    return Field(staticName(name), 0, false, entry, initialText);
}

void writeNumber(Field &field, qint16 value)
{
    field.write(NumberBuffer(value).view());
}

// Callers pass finite numbers only: differences of 16-bit totals, checked counters.
void writeNumber(Field &field, double value)
{
    field.write(NumberBuffer(value).view());
}

} // namespace

Half::Half(const HalfNames &names, SheetState &state, qint16 &pitchHits)
    : m_names(names)
    , m_state(state)
    , m_pitchHits(pitchHits)
    , m_txtHitter(names.txtHitter, caption("batting hitter column"), 1, BattingRows, Entry::Typed)
    , m_txtHit(names.txtHit, caption("batting H column"), 1, BattingRows, Entry::Typed)
    , m_txtRBI(names.txtRBI, caption("RBI column"), 0, BattingRows, Entry::Typed)
    , m_txt2b(names.txt2b, caption("2B column"), 1, BattingRows, Entry::Typed)
    , m_txt3b(names.txt3b, caption("3B column"), 1, BattingRows, Entry::Typed)
    , m_txtHR(names.txtHR, caption("HR column"), 1, BattingRows, Entry::Typed)
    , m_txtSB(names.txtSB, caption("SB column"), 1, BattingRows, Entry::Typed)
    , m_txtNeedHRBI(singleField(names.txtNeedHRBI, Entry::Locked, u"0"))
    , m_txtNeedH(singleField(names.txtNeedH, Entry::Locked, u"0"))
    , m_txtRuns(singleField(names.txtRuns, Entry::Locked, u"0"))
    , m_txtHits(singleField(names.txtHits, Entry::Locked, u"0"))
    , m_txtPitcher(names.txtPitcher, caption("pitcher column"), 1, InningRows, Entry::Typed)
    , m_txtR(names.txtR, caption("inning R column"), 1, InningRows, Entry::Typed)
    , m_txtER(names.txtER, caption("inning ER column"), 1, InningRows, Entry::Typed)
    , m_txtHitP(names.txtHitP, caption("inning H column"), 0, InningRows, Entry::Typed)
    , m_txtK(names.txtK, caption("inning K column"), 1, InningRows, Entry::Typed)
    , m_txtBB(names.txtBB, caption("inning BB column"), 1, InningRows, Entry::Typed)
    , m_txtPull(names.txtPull, caption("pull counter column"), 1, InningRows, Entry::Typed)
    , m_txtTeam(singleField(names.txtTeam, Entry::Typed))
    , m_txtTeam2(singleField(names.txtTeam2, Entry::Locked))
    , m_txtTeam3(singleField(names.txtTeam3, Entry::Locked))
    , m_txtInn(names.txtInn, caption("linescore inning cells"), 1, InningRows, Entry::Locked)
    , m_txtRuns2(singleField(names.txtRuns2, Entry::Locked, u"0"))
    , m_txtHits2(singleField(names.txtHits2, Entry::Locked, u"0"))
{
    m_txtHit.setHandler([this](qint16 index) { battingHitsChanged(index); });
    m_txtRBI.setHandler([this](qint16 index) { rbiChanged(index); });
    m_txtHitP.setHandler([this](qint16 index) { inningHitsChanged(index); });
    m_txtHits.setHandler([this](qint16) { hitsCounterChanged(); });
    m_txtR.setHandler([this](qint16 index) { inningRunsChanged(index); });
    m_txtBB.setHandler([this](qint16 index) { inningWalksChanged(index); });
    m_txtTeam.setHandler([this](qint16) { teamNameChanged(); });
}

QString Half::caption(const char *column) const
{
    return m_names.side.toString() + QStringLiteral(" half's ") + QLatin1StringView(column);
}

std::array<FieldArray *, 15> Half::arrays()
{
    return {&m_txtHitter, &m_txtHit, &m_txtRBI, &m_txt2b, &m_txt3b, &m_txtHR, &m_txtSB, &m_txtPitcher,
            &m_txtR,      &m_txtER,  &m_txtHitP, &m_txtK,  &m_txtBB,  &m_txtPull, &m_txtInn};
}

std::array<Field *, 9> Half::singles()
{
    return {&m_txtNeedHRBI, &m_txtNeedH, &m_txtRuns,  &m_txtHits, &m_txtTeam,
            &m_txtTeam2,    &m_txtTeam3, &m_txtRuns2, &m_txtHits2};
}

// A batting H field changed: HITS, the linescore H and NEED H follow the batting total.
void Half::battingHitsChanged(qint16)
{
    const qint16 hits = columnSum(m_txtHit, 1, BattingRows);
    writeNumber(m_txtHits, hits);
    writeNumber(m_txtHits2, hits);
    const int need = int(m_pitchHits) - int(hits);
    if (need < -32768 || need > 32767)
        throw ScoresheetOverflow(QStringLiteral("Overflow in the %1 half's NEED H (%2): inning hits minus "
                                                "batting hits leaves the range -32768 to 32767.")
                                     .arg(m_names.side, m_txtNeedH.name()),
                                 m_txtNeedH.name());
    writeNumber(m_txtNeedH, qint16(need));
    // No pull routine here: this is a batting row, not an inning row.
}

// An RBI field changed: the total goes into the hidden element 0 (whose own run of
// this handler finds the same total and ends there), then NEED H+RBI.
void Half::rbiChanged(qint16)
{
    const qint16 rbi = columnSum(m_txtRBI, 1, BattingRows);
    writeNumber(m_txtRBI[0], rbi);
    writeNumber(m_txtNeedHRBI, textValue(m_txtRuns.text()) - rbi);
}

// An inning H field changed (element 0 only during a reset): the inning total goes
// into PitchHits, HITS and the linescore H; NEED H is inning hits minus the hits
// credited in the batting rows, whatever HITS showed before.
void Half::inningHitsChanged(qint16 index)
{
    const qint16 pitched = columnSum(m_txtHitP, 1, InningRows);
    m_pitchHits = pitched;
    const qint16 credited = columnSum(m_txtHit, 1, BattingRows);
    writeNumber(m_txtNeedH, double(pitched) - double(credited));
    writeNumber(m_txtHits, pitched);
    writeNumber(m_txtHits2, pitched);
    m_state.currentRow = index;
    updatePullCounter();
}

void Half::hitsCounterChanged()
{
    m_txtHits2.write(m_txtHits.text());
}

// An inning R field changed: RUNS, the linescore R, NEED H+RBI and the inning's
// linescore cell, which copies the text as typed.
void Half::inningRunsChanged(qint16 index)
{
    const qint16 runs = columnSum(m_txtR, 1, InningRows);
    writeNumber(m_txtRuns, runs);
    writeNumber(m_txtRuns2, runs);
    writeNumber(m_txtNeedHRBI, double(runs) - textValue(m_txtRBI[0].text()));
    m_txtInn[index].write(m_txtR[index].text());
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
    m_txtTeam2.write(m_txtTeam.text());
    m_txtTeam3.write(m_txtTeam.text());
}

// The pull counter of one inning row: its runs, hits and walks plus one for the
// inning, plus the counter above while the same pitcher carries on (empty name).
void Half::updatePullCounter()
{
    if (m_state.resetting)
        return;
    const int row = m_state.currentRow;
    if (row < 1 || row > InningRows)
        return; // only the hidden element 0 asks for another row, and only during a reset

    // A negative entry anywhere in the row leaves the counter as it stands.
    const double runs = elementValue(m_txtR, row);
    if (runs < 0)
        return;
    if (elementValue(m_txtER, row) < 0)
        return;
    const double hits = elementValue(m_txtHitP, row);
    if (hits < 0)
        return;
    if (elementValue(m_txtK, row) < 0)
        return;
    const double walks = elementValue(m_txtBB, row);
    if (walks < 0)
        return;

    double counter = runs + 1 + hits + walks;
    if (row > 1 && m_txtPitcher[row].text().isEmpty())
        counter += elementValue(m_txtPull, row - 1);
    if (!std::isfinite(counter))
        throw ScoresheetOverflow(QStringLiteral("Overflow in the %1 (%2): row %3 comes to a number too large "
                                                "to count with.")
                                     .arg(m_txtPull.caption(), m_txtPull.name())
                                     .arg(row),
                                 m_txtPull.name(), row);
    writeNumber(m_txtPull[row], counter);
}
