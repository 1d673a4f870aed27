#pragma once

#include "ui/season/SeasonTableModel.h"

// The season book's tables, column by column: what each shows and sorts by. Figures read
// as the CSV files write them (rates with two decimals, PCT with three).
namespace SeasonModels {

SeasonTableModel<StandingRow> *standings(QObject *parent);
SeasonTableModel<BattingRow> *batting(QObject *parent);
SeasonTableModel<PitchingRow> *pitching(QObject *parent);
SeasonTableModel<GameRow> *games(QObject *parent);
SeasonTableModel<CheckRow> *checks(QObject *parent);
SeasonTableModel<MergeSuggestion> *suggestions(QObject *parent);
SeasonTableModel<MergedName> *merged(QObject *parent);

// "2024-05-01", or a dash where the date is not known.
QString dateText(const QDate &date);
// "4-3", "2-2 (tie)", or "(not over)", away before home.
QString scoreText(const GameRow &game);

} // namespace SeasonModels
