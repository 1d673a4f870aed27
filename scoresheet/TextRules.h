#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// The sheet's rules for texts: what a field may hold, and what a game is called on disk.

// A field holds one line: a tab may stand in it, no line break and no other control character.
bool breaksTheLine(QChar c);
bool isOneLine(QStringView text);
// The text as one line: every character that would break it becomes a blank (what a paste
// brings of line breaks, say), so that every sheet can be saved and opened again.
QString asOneLine(QString text);

// "<away> at <home> <yyyy-mm-dd><extension>": the name a game's file or its PDF is offered
// under. A blank team is called by its side ("Away", "Home"); every character a file name
// may not hold on Windows, macOS or Linux becomes "-", and a very long name is cut short so
// that the file name stays within what every file system takes.
QString suggestedFileName(const QString &away, const QString &home, QDate date, const QString &extension);
// "<title><extension>" by the same rules, for a file named after what it shows.
QString suggestedFileName(const QString &title, const QString &extension);
