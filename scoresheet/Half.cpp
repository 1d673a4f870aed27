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

struct ColumnEntry
{
    const char *stem;
    const char *caption; // for messages, after "away team's"
    qint16 first;
    qint16 last;
    Entry entry;
};

// In the order of Half::Column.
constexpr ColumnEntry Columns[] = {
    {"txtHitter", "batting hitter column", 1, Half::BattingRows, Entry::Typed},
    {"txtHit", "batting H column", 1, Half::BattingRows, Entry::Typed},
    {"txtRBI", "RBI column", 0, Half::BattingRows, Entry::Typed},
    {"txt2b", "2B column", 1, Half::BattingRows, Entry::Typed},
    {"txt3b", "3B column", 1, Half::BattingRows, Entry::Typed},
    {"txtHR", "HR column", 1, Half::BattingRows, Entry::Typed},
    {"txtSB", "SB column", 1, Half::BattingRows, Entry::Typed},
    {"txtPitcher", "pitcher column", 1, Half::InningRows, Entry::Typed},
    {"txtR", "inning R column", 1, Half::InningRows, Entry::Typed},
    {"txtER", "inning ER column", 1, Half::InningRows, Entry::Typed},
    {"txtHitP", "inning H column", 0, Half::InningRows, Entry::Typed},
    {"txtK", "inning K column", 1, Half::InningRows, Entry::Typed},
    {"txtBB", "inning BB column", 1, Half::InningRows, Entry::Typed},
    {"txtPull", "pull counter column", 1, Half::InningRows, Entry::Typed},
    {"txtInn", "linescore inning cells", 1, Half::InningRows, Entry::Locked},
};

struct SingleEntry
{
    const char *stem;
    const char *copy; // the digit of a copy, after the half's letter
    Entry entry;
    const char16_t *initialText;
};

// In the order of Half::Single.
constexpr SingleEntry Singles[] = {
    {"txtNeedHRBI", "", Entry::Locked, u"0"}, {"txtNeedH", "", Entry::Locked, u"0"},
    {"txtRuns", "", Entry::Locked, u"0"},     {"txtHits", "", Entry::Locked, u"0"},
    {"txtTeam", "", Entry::Typed, u""},       {"txtTeam", "2", Entry::Locked, u""},
    {"txtTeam", "3", Entry::Locked, u""},     {"txtRuns", "2", Entry::Locked, u"0"},
    {"txtHits", "2", Entry::Locked, u"0"},
};

} // namespace

Half::Half(const QString &side, QChar suffix, SheetState &state, qint16 &pitchHits)
    : m_side(side)
    , m_state(state)
    , m_pitchHits(pitchHits)
{
    for (const ColumnEntry &c : Columns)
        m_arrays.emplace_back(QLatin1StringView(c.stem) + suffix,
                              side + QStringLiteral(" team's ") + QLatin1StringView(c.caption), c.first, c.last,
                              c.entry);
    for (const SingleEntry &f : Singles) {
        const QString name = QLatin1StringView(f.stem) + suffix + QLatin1StringView(f.copy);
        m_singles.emplace_back(name, 0, false, f.entry, *f.initialText ? QStringView(f.initialText) : QStringView());
    }

    txtHit().setHandler([this](qint16 index) { battingHitsChanged(index); });
    txtRBI().setHandler([this](qint16 index) { rbiChanged(index); });
    txtHitP().setHandler([this](qint16 index) { inningHitsChanged(index); });
    txtHits().setHandler([this](qint16) { hitsCounterChanged(); });
    txtR().setHandler([this](qint16 index) { inningRunsChanged(index); });
    txtBB().setHandler([this](qint16 index) { inningWalksChanged(index); });
    txtTeam().setHandler([this](qint16) { teamNameChanged(); });
}

// A batting H field changed: HITS, the linescore H and NEED H follow the batting total.
void Half::battingHitsChanged(qint16)
{
    const qint16 hits = columnSum(txtHit(), 1, BattingRows);
    writeNumber(txtHits(), hits);
    writeNumber(txtHits2(), hits);
    const int need = int(m_pitchHits) - int(hits);
    if (need < -32768 || need > 32767)
        throw ScoresheetOverflow(QStringLiteral("The %1 team's NEED H (inning hits minus batting hits) no longer "
                                                "fits between -32768 and 32767.")
                                     .arg(m_side),
                                 txtNeedH().name());
    writeNumber(txtNeedH(), qint16(need));
    // No pull routine here: this is a batting row, not an inning row.
}

// An RBI field changed: the total goes into the hidden element 0 (whose own run of
// this handler finds the same total and ends there), then NEED H+RBI.
void Half::rbiChanged(qint16)
{
    const qint16 rbi = columnSum(txtRBI(), 1, BattingRows);
    writeNumber(txtRBI()[0], rbi);
    writeNumber(txtNeedHRBI(), textValue(txtRuns().text()) - rbi);
}

// An inning H field changed (element 0 only during a reset): the inning total goes
// into PitchHits, HITS and the linescore H; NEED H is inning hits minus the hits
// credited in the batting rows, whatever HITS showed before.
void Half::inningHitsChanged(qint16 index)
{
    const qint16 pitched = columnSum(txtHitP(), 1, InningRows);
    m_pitchHits = pitched;
    const qint16 credited = columnSum(txtHit(), 1, BattingRows);
    writeNumber(txtNeedH(), double(pitched) - double(credited));
    writeNumber(txtHits(), pitched);
    writeNumber(txtHits2(), pitched);
    m_state.currentRow = index;
    updatePullCounter();
}

void Half::hitsCounterChanged()
{
    txtHits2().write(txtHits().text());
}

// An inning R field changed: RUNS, the linescore R, NEED H+RBI and the inning's
// linescore cell, which copies the text as typed.
void Half::inningRunsChanged(qint16 index)
{
    const qint16 runs = columnSum(txtR(), 1, InningRows);
    writeNumber(txtRuns(), runs);
    writeNumber(txtRuns2(), runs);
    writeNumber(txtNeedHRBI(), double(runs) - textValue(txtRBI()[0].text()));
    txtInn()[index].write(txtR()[index].text());
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
    txtTeam2().write(txtTeam().text());
    txtTeam3().write(txtTeam().text());
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
    const double runs = elementValue(txtR(), row);
    if (runs < 0)
        return;
    if (elementValue(txtER(), row) < 0)
        return;
    const double hits = elementValue(txtHitP(), row);
    if (hits < 0)
        return;
    if (elementValue(txtK(), row) < 0)
        return;
    const double walks = elementValue(txtBB(), row);
    if (walks < 0)
        return;

    double counter = runs + 1 + hits + walks;
    if (row > 1 && txtPitcher()[row].text().isEmpty())
        counter += elementValue(txtPull(), row - 1);
    if (!std::isfinite(counter))
        throw ScoresheetOverflow(QStringLiteral("The %1 comes to a number too large to count with (row %2).")
                                     .arg(txtPull().caption())
                                     .arg(txtPull().row(row)),
                                 txtPull().name(), row);
    writeNumber(txtPull()[row], counter);
}
