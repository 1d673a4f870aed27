#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
        QList<Game> games;   // sorted by file
        QStringList folders; // the folder and every subfolder searched, absolute
        Stamp config;        // of season.json; size -1 when there is none
        QString problem;     // one sentence when the folder itself cannot be read
    };

    static Listing list(const QString &folder);
    static bool isGameFile(const QString &name);
};
