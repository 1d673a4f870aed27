#include "scoresheet/Half.h"

#include "app/ModGeneral.h"
#include "scoresheet/NumberBuffer.h"
#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <cmath>

namespace {

// Names are literals from the name tables: share them instead of copying.
QString literal(QStringView text)
{
    return QString::fromRawData(text.data(), text.size());
}

Field singleField(QStringView name, Entry entry, QStringView initialText = {})
{
    return Field(literal(name), 0, false, entry, initialText);
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

Half::Half(const HalfNames &names, ModGeneral &shared, qint16 &pitchHits)
    : m_names(names)
    , m_shared(shared)
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
    m_txtHit.setHandler([this](qint16 index) { txtHit_Change(index); });
    m_txtRBI.setHandler([this](qint16 index) { txtRBI_Change(index); });
    m_txtHitP.setHandler([this](qint16 index) { txtHitP_Change(index); });
    m_txtHits.setHandler([this](qint16) { txtHits_Change(); });
    m_txtR.setHandler([this](qint16 index) { txtR_Change(index); });
    m_txtBB.setHandler([this](qint16 index) { txtBB_Change(index); });
    m_txtTeam.setHandler([this](qint16) { txtTeam_Change(); });
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
void Half::txtHit_Change(qint16)
{
    const qint16 hits = ColumnSum(m_txtHit, 1, BattingRows);
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
void Half::txtRBI_Change(qint16)
{
    const qint16 rbi = ColumnSum(m_txtRBI, 1, BattingRows);
    writeNumber(m_txtRBI[0], rbi);
    writeNumber(m_txtNeedHRBI, TextValue(m_txtRuns.text()) - rbi);
}

// An inning H field changed (element 0 only during a reset): the inning total goes
// into PitchHits, HITS and the linescore H; NEED H is inning hits minus the hits
// credited in the batting rows, whatever HITS showed before.
void Half::txtHitP_Change(qint16 index)
{
    const qint16 pitched = ColumnSum(m_txtHitP, 1, InningRows);
    m_pitchHits = pitched;
    const qint16 credited = ColumnSum(m_txtHit, 1, BattingRows);
    writeNumber(m_txtNeedH, double(pitched) - double(credited));
    writeNumber(m_txtHits, pitched);
    writeNumber(m_txtHits2, pitched);
    m_shared.CurrentRow = index;
    modePull();
}

void Half::txtHits_Change()
{
    m_txtHits2.write(m_txtHits.text());
}

// An inning R field changed: RUNS, the linescore R, NEED H+RBI and the inning's
// linescore cell, which copies the text as typed.
void Half::txtR_Change(qint16 index)
{
    const qint16 runs = ColumnSum(m_txtR, 1, InningRows);
    writeNumber(m_txtRuns, runs);
    writeNumber(m_txtRuns2, runs);
    writeNumber(m_txtNeedHRBI, double(runs) - TextValue(m_txtRBI[0].text()));
    m_txtInn[index].write(m_txtR[index].text());
    m_shared.CurrentRow = index;
    modePull();
}

void Half::txtBB_Change(qint16 index)
{
    m_shared.CurrentRow = index;
    modePull();
}

void Half::txtTeam_Change()
{
    m_txtTeam2.write(m_txtTeam.text());
    m_txtTeam3.write(m_txtTeam.text());
}

double Half::rowValue(FieldArray &column, int row) const
{
    try {
        return TextValue(column[row].text());
    } catch (const ScoresheetOverflow &) {
        throw ScoresheetOverflow(QStringLiteral("Overflow in the %1 (%2): row %3 holds a number too large to "
                                                "count with.")
                                     .arg(column.caption(), column.name())
                                     .arg(row),
                                 column.name(), row);
    }
}

// The pull counter of one inning row: its runs, hits and walks plus one for the
// inning, plus the counter above while the same pitcher carries on (empty name).
void Half::modePull()
{
    if (m_shared.Resetting != 0)
        return;
    const int row = m_shared.CurrentRow;
    if (row < 1 || row > InningRows)
        return; // only the hidden element 0 asks for another row, and only during a reset

    // A negative entry anywhere in the row leaves the counter as it stands.
    const double runs = rowValue(m_txtR, row);
    if (runs < 0)
        return;
    if (rowValue(m_txtER, row) < 0)
        return;
    const double hits = rowValue(m_txtHitP, row);
    if (hits < 0)
        return;
    if (rowValue(m_txtK, row) < 0)
        return;
    const double walks = rowValue(m_txtBB, row);
    if (walks < 0)
        return;

    double counter = runs + 1 + hits + walks;
    if (row > 1 && m_txtPitcher[row].text().isEmpty())
        counter += rowValue(m_txtPull, row - 1);
    if (!std::isfinite(counter))
        throw ScoresheetOverflow(QStringLiteral("Overflow in the %1 (%2): row %3 comes to a number too large "
                                                "to count with.")
                                     .arg(m_txtPull.caption(), m_txtPull.name())
                                     .arg(row),
                                 m_txtPull.name(), row);
    writeNumber(m_txtPull[row], counter);
}
