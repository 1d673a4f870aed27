#pragma once

#include "scoresheet/GameDetails.h"
#include "scoresheet/SheetState.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QMap>
#include <QString>

#include <optional>

class Scoresheet;

// What a saved game holds of a sheet: the texts that differ from a new sheet's, by
// control name, and the integers the arithmetic carries. Computed fields
// are kept too: the pull counters depend on the order of earlier edits, so an opened
// game puts the texts back as they were instead of recomputing them.
struct GameSnapshot
{
    QMap<QString, QString> texts;
    SheetState state;

    static GameSnapshot capture(const Scoresheet &sheet);
    // Gives every field its kept text (a field not listed gets its new-sheet text) and
    // then the state, without running a single change handler. Names the sheet does
    // not have are passed over; parse lets none through.
    void restore(Scoresheet &sheet) const;

    bool operator==(const GameSnapshot &) const = default;
};

// A game file as read: the snapshot and what came with it, or why it was refused.
struct OpenedGame
{
    std::optional<GameSnapshot> snapshot;
    QJsonArray rolls; // kept as found; empty when the file has none
    QDateTime saved;
    QString program;
    GameDetails details; // empty for a file of version 1 or one without details
    QString error;       // one sentence for the user, empty when the game opened

    bool ok() const { return snapshot.has_value(); }
};

// A saved game: one UTF-8 JSON object with the keys format ("quorvel-game"), version,
// saved (ISO 8601 with the offset), program, fields (control name to text), state
// (PitchHitsA, PitchHitsH, CurrentRow) and, optionally, rolls and (from version 2 on) the
// game's details ("game").
namespace GameFile {

inline constexpr int Version = 2;
inline constexpr int OldestVersion = 1; // opens as before: without details
inline constexpr qsizetype MaxBytes = 1024 * 1024;
// No field limits the length of its text, so a field may hold as much as a whole game
// file may: every sheet that can be saved can be opened again (up to MaxBytes).
inline constexpr qsizetype MaxTextLength = MaxBytes;

QString extension(); // ".quorvel"

// rolls and details are written only when they hold something.
QByteArray serialize(const GameSnapshot &snapshot, const QString &programVersion, const QDateTime &saved,
                     const QJsonArray &rolls = {}, const GameDetails &details = {});

// Reads and checks a whole file against the fields of shape; touches no sheet. The
// error sentence does not name the file: the caller puts its name in front.
OpenedGame parse(const QByteArray &bytes, const Scoresheet &shape);

// Reads and checks the game file at path (parse, after a size check that reads no more
// than MaxBytes); the error sentence names neither the file nor the folder.
OpenedGame load(const QString &path, const Scoresheet &shape);

} // namespace GameFile
