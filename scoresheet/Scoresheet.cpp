#include "scoresheet/Scoresheet.h"

#include "scoresheet/FieldLookupError.h"

#include <algorithm>
#include <utility>

Scoresheet::Scoresheet()
    : m_away(Side::Away, m_state, m_state.pitchHitsA)
    , m_home(Side::Home, m_state, m_state.pitchHitsH)
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

Field &Scoresheet::field(ColumnId column, Side side, int index)
{
    return const_cast<Field &>(std::as_const(*this).field(column, side, index));
}

const Field &Scoresheet::field(ColumnId column, Side side, int index) const
{
    Half &half = const_cast<Scoresheet *>(this)->half(side);
    const SheetColumn &c = sheetColumn(column);
    Q_ASSERT(c.contains(index));
    return c.array ? half.array(column)[index] : half.single(column);
}

Field *Scoresheet::findControl(QStringView objectName)
{
    return const_cast<Field *>(std::as_const(*this).findControl(objectName));
}

const Field *Scoresheet::findControl(QStringView objectName) const
{
    const std::optional<FieldAddress> address = findField(objectName);
    if (!address)
        return nullptr;
    return &field(address->column->id, address->side, address->index);
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
    using C = ColumnId;
    const QStringView zero = u"0";
    const QStringView empty = u"";
    const auto both = [this](C column, int index, QStringView text) {
        field(column, Side::Away, index).write(text);
        field(column, Side::Home, index).write(text);
    };
    const auto eachSide = [&](std::initializer_list<C> columns, QStringView text) {
        for (C column : columns)
            both(column, 0, text);
    };

    for (C counter : {C::Runs, C::Hits})
        for (Side side : Sides)
            field(counter, side).write(zero);
    eachSide({C::RBI}, zero);
    for (C counter : {C::NeedHRBI, C::NeedH})
        for (Side side : Sides)
            field(counter, side).write(zero);
    eachSide({C::HitP}, zero);
    m_state.pitchHitsA = 0;
    m_state.pitchHitsH = 0;
    m_state.currentRow = 0;

    static constexpr C battingColumns[] = {C::Hitter, C::Hit, C::RBI, C::Doubles, C::Triples, C::HomeRuns, C::Steals};
    for (int row = 1; row <= SheetColumn::BattingRows; ++row)
        for (C column : battingColumns)
            both(column, row, empty);

    // ER before R, as the sheet always cleared them.
    static constexpr C inningColumns[] = {C::Pitcher, C::ER, C::R, C::HitP, C::K, C::BB, C::Pull, C::Inn};
    for (int row = 1; row <= SheetColumn::InningRows; ++row)
        for (C column : inningColumns)
            both(column, row, empty);
    m_state.resetting = false;

    for (C total : {C::Runs2, C::Hits2})
        for (Side side : Sides)
            field(total, side).write(zero);
}
