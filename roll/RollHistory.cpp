#include "roll/RollHistory.h"

#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {
const QString AtKey = QStringLiteral("at");
const QString DiceKey = QStringLiteral("dice");

// The range of values on the game's dice.
constexpr int MaxDie = 20;
constexpr int MinDie = 0; // the ten-sided dice show 0 to 9

QString diceText(const Roll &roll, QChar separator)
{
    QStringList values;
    for (qint16 v : roll.values())
        values << QString::number(v);
    return values.join(separator);
}

std::optional<RollHistory::Entry> entryOf(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QDateTime at = QDateTime::fromString(object.value(AtKey).toString(), Qt::ISODate);
    const QStringList dice = object.value(DiceKey).toString().split(u' ', Qt::SkipEmptyParts);
    if (!value.isObject() || !at.isValid() || dice.size() != Roll::FieldCount)
        return std::nullopt;
    std::array<qint16, Roll::FieldCount> v{};
    for (int i = 0; i < Roll::FieldCount; ++i) {
        bool ok = false;
        const int n = dice.at(i).toInt(&ok);
        if (!ok || n < MinDie || n > MaxDie)
            return std::nullopt;
        v.at(size_t(i)) = qint16(n);
    }
    const Roll roll{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13]};
    return RollHistory::Entry{at, roll};
}
} // namespace

RollHistory::RollHistory(QObject *parent)
    : QObject(parent)
{
}

void RollHistory::add(const Roll &roll, const QDateTime &at)
{
    m_entries.push_front(Entry{at, roll});
    if (m_entries.size() > size_t(MaxEntries))
        m_entries.pop_back();
    Q_EMIT added();
}

void RollHistory::clear()
{
    if (m_entries.empty())
        return;
    m_entries.clear();
    Q_EMIT reset();
}

QString RollHistory::line(const Entry &entry)
{
    return entry.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\t' + diceText(entry.roll, u'\t');
}

QString RollHistory::text(QList<int> rows) const
{
    if (rows.isEmpty()) {
        for (int row = 0; row < size(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    QString out;
    for (int row : rows) {
        if (row >= 0 && row < size())
            out += line(at(row)) + u'\n';
    }
    return out;
}

QJsonArray RollHistory::toJson() const
{
    QJsonArray rolls;
    for (const Entry &entry : m_entries)
        rolls.append(QJsonObject{{AtKey, entry.at.toOffsetFromUtc(entry.at.offsetFromUtc()).toString(Qt::ISODate)},
                                 {DiceKey, diceText(entry.roll, u' ')}});
    return rolls;
}

bool RollHistory::isValid(const QJsonArray &rolls)
{
    return std::all_of(rolls.begin(), rolls.end(), [](const QJsonValue &v) { return entryOf(v).has_value(); });
}

bool RollHistory::restore(const QJsonArray &rolls)
{
    std::deque<Entry> entries;
    for (const QJsonValue &value : rolls) {
        const std::optional<Entry> entry = entryOf(value);
        if (!entry)
            return false;
        if (entries.size() < size_t(MaxEntries))
            entries.push_back(*entry);
    }
    m_entries = std::move(entries);
    Q_EMIT reset();
    return true;
}
