#pragma once

#include <QString>
#include <QStringList>

// Where the program finds the files it does not build in: the dice sound and the
// rules document. In order: the program's own folder (a build, or a copy the user
// keeps together), the user's data folder (no root needed to add a file there), then
// the installed data folders (../share/quorvel beside the program, and the system's).
QStringList dataFolders(const QString &programDir);

// The full name of file in the first folder that holds it; empty when none does.
QString findDataFile(const QStringList &folders, const QString &file);
