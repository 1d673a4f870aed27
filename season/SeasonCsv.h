#pragma once

#include "season/SeasonFigures.h"

#include <QByteArray>
#include <QString>

// A season's figures as CSV files: UTF-8, comma-separated, a header row, quoted as RFC
// 4180 says, "." decimals, rates with 2 decimals and PCT with 3 (empty where there is no
// inning to rate), rounding half away from zero, flags as 1 or 0.
namespace SeasonCsv {

// "standings.csv" and the rest, with their texts.
QList<std::pair<QString, QByteArray>> files(const SeasonFigures &figures);
// Writes every file into folder (made when missing), each atomically. Returns the sentence
// that says why it could not, empty when all were written.
QString write(const SeasonFigures &figures, const QString &folder);

// num / den with decimals places, rounded half away from zero, exactly; den > 0.
QString ratio(qint64 num, qint64 den, int decimals);
// One field, quoted when it holds a comma, a quote or a line break.
QString field(const QString &text);

} // namespace SeasonCsv
