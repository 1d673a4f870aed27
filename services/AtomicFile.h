#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path all at once: the old file stays whole until the new one is
// complete (QSaveFile). Returns false with the reason in *error.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error);
