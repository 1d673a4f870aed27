#pragma once

#include "roll/Roll.h"

#include <QDateTime>
#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>

// The final rolls of one window that rolls, newest first, each with the time it came
// to rest. Shuffle frames never reach it. The roller's history lasts while the program
// runs; a scoresheet's belongs to its game and goes into the game file.
class RollHistory final : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QDateTime at;
        Roll roll;
    };

    // The oldest rolls give way beyond this, so that a season of rolls stays small.
    static constexpr int MaxEntries = 2000;

    explicit RollHistory(QObject *parent = nullptr);

    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // row 0 is the newest roll.
    const Entry &at(int row) const { return m_entries.at(size_t(row)); }

    void add(const Roll &roll, const QDateTime &at);
    void clear();

    // The rows as plain text, one roll a line, newest first: the time, then the
    // fourteen values in the order of the dice, separated by tabs. No rows: every roll.
    QString text(QList<int> rows = {}) const;
    static QString line(const Entry &entry);

    // For a game file: [{"at": ISO date and time, "dice": "v1 v2 ... v14"}, ...], newest first.
    QJsonArray toJson() const;
    // Puts the rolls of toJson() in place of the history's; false (the history unchanged)
    // when any entry is not such a roll.
    bool restore(const QJsonArray &rolls);
    // Whether restore() would take these rolls.
    static bool isValid(const QJsonArray &rolls);

Q_SIGNALS:
    // A final roll came to rest and stands at row 0.
    void added();
    // The history was emptied or replaced as a whole.
    void reset();

private:
    std::deque<Entry> m_entries;
};
