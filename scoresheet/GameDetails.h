#pragma once

#include "scoresheet/GameType.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

#include <optional>

// What a game file may say about the game beyond its sheet: when it was played, its
// number that day, its kind, whether it is over, the pitchers' decisions and a note.
// Everything is optional: a blank text or an empty optional is "not known".
struct GameDetails
{
    static constexpr int LowestNumber = 1;
    static constexpr int HighestNumber = 999;

    QDate date; // invalid when not known
    std::optional<int> number;
    std::optional<GameType> type;
    std::optional<bool> final; // not known: a season infers it from the sheet
    QString win;
    QString loss;
    QString save;
    QString notes;

    bool isEmpty() const { return *this == GameDetails(); }
    bool operator==(const GameDetails &) const = default;

    // The file's "game" object; only what is known is written.
    QJsonObject toJson() const;
    // Reads a file's "game" object as strictly as the rest of the file: unknown keys,
    // wrong types, a malformed date, a number outside 1..999 or a text with a line break
    // are refused. Returns the sentence that says why, empty when read into details.
    static QString fromJson(const QJsonValue &value, GameDetails &details);
};
