#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The files of a season's folder: every *.quorvel file in it and its subfolders, down to
// MaxDepth folders below it, with no symbolic link followed (to a folder or to a file)
// and no name that starts with "." (hidden files, a sync tool's temporary ones). Only
// plain files count: a pipe never ends a read.
class SeasonFolder
{
public:
    static constexpr int MaxDepth = 8;

    // What tells a file's versions apart without reading it.
    struct Stamp
    {
        qint64 size = -1;
        qint64 modified = 0; // ns since the epoch
        qint64 changed = 0;  // metadata change, ns since the epoch
        bool operator==(const Stamp &) const = default;
    };

    struct Game
    {
        QString file; // within the folder, with "/"
        Stamp stamp;
    };

    struct Listing
    {
        QList<Game> games;
        QStringList folders; // the folder and every subfolder searched, absolute
        Stamp config;        // of season.json; size -1 when there is none
        QString problem;     // one sentence when the folder itself cannot be read
        // A listing of what changed only: games holds the files directly in these folders
        // (within the season, "" for the folder itself), which replace all that was there.
        std::optional<QStringList> replaced;
    };

    // Everything in folder.
    static Listing list(const QString &folder);
    // What changed since a listing that found the folders known: the folders changed (as the
    // watcher names them) are listed again, new folders under them whole; folders that are
    // gone take what was in them along.
    static Listing listChanged(const QString &folder, const QStringList &known, const QStringList &changed);
    static bool isGameFile(const QString &name);
};
