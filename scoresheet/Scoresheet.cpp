#include "scoresheet/Scoresheet.h"

#include "scoresheet/FieldLookupError.h"

#include <algorithm>
#include <utility>

Scoresheet::Scoresheet()
    : m_away(QStringLiteral("away"), u'A', m_state, m_state.pitchHitsA)
    , m_home(QStringLiteral("home"), u'H', m_state, m_state.pitchHitsH)
{
    for (Half *half : {&m_away, &m_home}) {
        for (FieldArray &column : half->arrays()) {
            m_byName.push_back({column.name(), nullptr, &column});
            for (Field &field : column)
                m_fields.push_back(&field);
        }
        for (Field &field : half->singles()) {
            m_byName.push_back({field.name(), &field, nullptr});
            m_fields.push_back(&field);
        }
    }
    std::sort(m_byName.begin(), m_byName.end(), [](const NameEntry &a, const NameEntry &b) { return a.name < b.name; });
}

QString Scoresheet::resetQuestion()
{
    return QStringLiteral("Are you sure you want to Reset the Scoresheet?");
}

const Scoresheet::NameEntry &Scoresheet::lookup(QAnyStringView name, std::optional<int> index) const
{
    const auto it = std::lower_bound(m_byName.begin(), m_byName.end(), name,
                                     [](const NameEntry &entry, QAnyStringView key) {
                                         return QAnyStringView::compare(entry.name, key) < 0;
                                     });
    if (it == m_byName.end() || !QAnyStringView::equal(it->name, name))
        throw FieldLookupError(name.toString(), index, QStringLiteral("the sheet has no field of that name"));
    return *it;
}

Field &Scoresheet::field(QAnyStringView name, int index)
{
    const NameEntry &entry = lookup(name, index);
    if (!entry.array)
        throw FieldLookupError(name.toString(), index, QStringLiteral("a single field has no index"));
    if (!entry.array->contains(index))
        throw FieldLookupError(name.toString(), index,
                               QStringLiteral("the array's indexes are %1 to %2")
                                   .arg(entry.array->first())
                                   .arg(entry.array->last()));
    return (*entry.array)[index];
}

Field &Scoresheet::field(QAnyStringView name)
{
    const NameEntry &entry = lookup(name, std::nullopt);
    if (!entry.single)
        throw FieldLookupError(name.toString(), std::nullopt, QStringLiteral("an array needs an index"));
    return *entry.single;
}

Field *Scoresheet::findControl(QStringView objectName)
{
    return const_cast<Field *>(std::as_const(*this).findControl(objectName));
}

const Field *Scoresheet::findControl(QStringView objectName) const
{
    const auto it = std::lower_bound(m_byName.begin(), m_byName.end(), objectName,
                                     [](const NameEntry &entry, QStringView key) { return entry.name < key; });
    if (it != m_byName.end() && it->name == objectName && it->single)
        return it->single;
    // An array element: the name, an underscore and the index in plain digits.
    const qsizetype underscore = objectName.lastIndexOf(u'_');
    if (underscore <= 0)
        return nullptr;
    const QStringView digits = objectName.mid(underscore + 1);
    if (digits.isEmpty() || digits.size() > 2 || (digits.size() > 1 && digits.front() == u'0'))
        return nullptr;
    bool isNumber = false;
    const int index = digits.toInt(&isNumber);
    if (!isNumber || !digits.front().isDigit())
        return nullptr;
    const QStringView name = objectName.left(underscore);
    const auto element = std::lower_bound(m_byName.begin(), m_byName.end(), name,
                                          [](const NameEntry &entry, QStringView key) { return entry.name < key; });
    if (element == m_byName.end() || element->name != name || !element->array || !element->array->contains(index))
        return nullptr;
    return &(*element->array)[index];
}

bool Scoresheet::reset(const std::function<bool()> &confirm)
{
    if (!confirm())
        return false;
    m_state.resetting = true;
    try {
        clearAll();
    } catch (...) {
        // The program goes on after the error: pull counters must not stay frozen.
        m_state.resetting = false;
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
    m_state.pitchHitsA = 0;
    m_state.pitchHitsH = 0;
    m_state.currentRow = 0;

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
    m_state.resetting = false;

    for (Field *total : {&a.txtRuns2(), &h.txtRuns2(), &a.txtHits2(), &h.txtHits2()})
        total->write(zero);
}
