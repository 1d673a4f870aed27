#pragma once

#include "season/PlayerLog.h"
#include "season/SeasonFigures.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QTableView;

// A player's games, one line each with the totals under them: what he did at bat, or on
// the mound. A game opens in the scoresheet.
class PlayerLogDialog final : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { Batting, Pitching };

    // player: the player's number (SeasonFigures::playerNames).
    PlayerLogDialog(std::shared_ptr<const SeasonFigures> figures, Kind kind, int player, QWidget *parent);

    QTableView *table() const { return m_table; }
    // "G 12, H 15, 2B 3, ..." under the games.
    QString totals() const;

Q_SIGNALS:
    // A game to show in the scoresheet, by its file within the season folder.
    void gameChosen(const QString &file);

private:
    std::shared_ptr<const SeasonFigures> m_figures;
    PlayerLog m_log;
    QTableView *m_table;
    QLabel *m_totals;
};
