#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What kind of game a sheet records; a season's standings and statistics are kept per kind.
enum class GameType : quint8 { Regular, Postseason, Exhibition };

// "regular", "postseason", "exhibition": the words a game file and the command line use.
QString gameTypeName(GameType type);
std::optional<GameType> gameTypeFromName(QStringView name);
