#include "scoresheet/Scoresheet.h"

#include "app/ModGeneral.h"
#include "scoresheet/FieldLookupError.h"

#include <QLatin1StringView>

#include <algorithm>

namespace {

QString nameText(QAnyStringView name)
{
    return name.toString();
}

} // namespace

Scoresheet::Scoresheet(ModGeneral &shared)
    : m_shared(shared)
    , m_away(HalfNames::Away, shared, shared.PitchHitsA)
    , m_home(HalfNames::Home, shared, shared.PitchHitsH)
{
    // Totals of a sheet closed earlier must not leak into this one.
    m_shared.PitchHitsA = 0;
    m_shared.PitchHitsH = 0;
    m_shared.CurrentRow = 0;

    for (Half *half : {&m_away, &m_home}) {
        for (FieldArray *column : half->arrays()) {
            m_byName.push_back({column->name(), nullptr, column});
            for (Field &field : *column)
                m_fields.push_back(&field);
        }
        for (Field *field : half->singles()) {
            m_byName.push_back({field->name(), field, nullptr});
            m_fields.push_back(field);
        }
    }
    std::sort(m_byName.begin(), m_byName.end(),
              [](const NameEntry &a, const NameEntry &b) { return a.name < b.name; });
}

QString Scoresheet::resetQuestion()
{
    return QStringLiteral("Are you sure you want to Reset the Scoresheet?");
}

// index is only for the error message: empty when a single field is asked for.
const Scoresheet::NameEntry &Scoresheet::lookup(QAnyStringView name, std::optional<int> index) const
{
    const auto it = std::lower_bound(m_byName.begin(), m_byName.end(), name, [](const NameEntry &entry, QAnyStringView key) {
        return QAnyStringView::compare(entry.name, key) < 0;
    });
    if (it == m_byName.end() || !QAnyStringView::equal(it->name, name))
        throw FieldLookupError(nameText(name), index, QStringLiteral("the sheet has no field of that name"));
    return *it;
}

Field &Scoresheet::find(QAnyStringView name, int index) const
{
    const NameEntry &entry = lookup(name, index);
    if (!entry.array)
        throw FieldLookupError(nameText(name), index, QStringLiteral("a single field has no index"));
    if (!entry.array->contains(index))
        throw FieldLookupError(nameText(name), index,
                               QStringLiteral("the array's indexes are %1 to %2")
                                   .arg(entry.array->first())
                                   .arg(entry.array->last()));
    return (*entry.array)[index];
}

Field &Scoresheet::find(QAnyStringView name) const
{
    const NameEntry &entry = lookup(name, std::nullopt);
    if (!entry.single)
        throw FieldLookupError(nameText(name), std::nullopt, QStringLiteral("an array needs an index"));
    return *entry.single;
}

FieldArray &Scoresheet::array(QAnyStringView name)
{
    const NameEntry &entry = lookup(name, std::nullopt);
    if (!entry.array)
        throw FieldLookupError(nameText(name), std::nullopt, QStringLiteral("a single field is not an array"));
    return *entry.array;
}

Field &Scoresheet::field(QStringView name, int index) { return find(name, index); }
Field &Scoresheet::field(QStringView name) { return find(name); }
Field &Scoresheet::field(const char *name, int index) { return find(QLatin1StringView(name), index); }
Field &Scoresheet::field(const char *name) { return find(QLatin1StringView(name)); }

QString Scoresheet::text(QStringView name, int index) const { return find(name, index).text(); }
QString Scoresheet::text(QStringView name) const { return find(name).text(); }
QString Scoresheet::text(const char *name, int index) const { return find(QLatin1StringView(name), index).text(); }
QString Scoresheet::text(const char *name) const { return find(QLatin1StringView(name)).text(); }

void Scoresheet::write(QStringView name, int index, const QString &text) { find(name, index).write(text); }
void Scoresheet::write(QStringView name, const QString &text) { find(name).write(text); }
void Scoresheet::write(const char *name, int index, const QString &text)
{
    find(QLatin1StringView(name), index).write(text);
}
void Scoresheet::write(const char *name, const QString &text) { find(QLatin1StringView(name)).write(text); }

bool Scoresheet::cmdReset_Click(const std::function<bool()> &confirm)
{
    if (!confirm())
        return false;
    m_shared.Resetting = 1;
    try {
        clearAll();
    } catch (...) {
        // The program goes on after the error: pull counters must not stay frozen.
        m_shared.Resetting = 0;
        throw;
    }
    return true;
}

// The clearing goes in a fixed order, away before home within each step, every
// batting row before any inning row: the totals the handlers compute on the way
// depend on it. Only the pull counters stand still (Resetting).
void Scoresheet::clearAll()
{
    const QStringView zero = u"0";
    const QStringView empty = u"";
    Half &a = m_away;
    Half &h = m_home;

    for (Field *counter : {&a.txtRuns(), &h.txtRuns(), &a.txtHits(), &h.txtHits()})
        counter->write(zero);
    a.txtRBI()[0].write(zero);
    h.txtRBI()[0].write(zero);
    for (Field *counter : {&a.txtNeedHRBI(), &h.txtNeedHRBI(), &a.txtNeedH(), &h.txtNeedH()})
        counter->write(zero);
    a.txtHitP()[0].write(zero);
    h.txtHitP()[0].write(zero);
    m_shared.PitchHitsA = 0;
    m_shared.PitchHitsH = 0;
    m_shared.CurrentRow = 0;

    static constexpr FieldArray &(Half::*battingColumns[])() = {
        &Half::txtHitter, &Half::txtHit, &Half::txtRBI, &Half::txt2b, &Half::txt3b, &Half::txtHR, &Half::txtSB,
    };
    for (int row = 1; row <= Half::BattingRows; ++row) {
        for (auto column : battingColumns) {
            (a.*column)()[row].write(empty);
            (h.*column)()[row].write(empty);
        }
    }

    static constexpr FieldArray &(Half::*inningColumns[])() = {
        &Half::txtPitcher, &Half::txtER, &Half::txtR,    &Half::txtHitP,
        &Half::txtK,       &Half::txtBB, &Half::txtPull, &Half::txtInn,
    };
    for (int row = 1; row <= Half::InningRows; ++row) {
        for (auto column : inningColumns) {
            (a.*column)()[row].write(empty);
            (h.*column)()[row].write(empty);
        }
    }
    m_shared.Resetting = 0;

    for (Field *total : {&a.txtRuns2(), &h.txtRuns2(), &a.txtHits2(), &h.txtHits2()})
        total->write(zero);
}
