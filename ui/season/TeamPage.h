#pragma once

#include "season/TeamSeason.h"
#include "ui/season/PlayerLogDialog.h"
#include "ui/season/SeasonPage.h"

class QLabel;
class QTabWidget;
class ReportTableView;

// The page of the team chosen above the tabs: its results in order with the streak, its
// hitters' and pitchers' lines, its runs by inning for and against, and its record against
// each opponent. A result opens the game's box score; a player, his games.
class TeamPage final : public SeasonPage
{
    Q_OBJECT

public:
    explicit TeamPage(QWidget *parent = nullptr);

Q_SIGNALS:
    // A game of SeasonFigures::games, for its box score.
    void gameChosen(int game);
    void playerChosen(PlayerLogDialog::Kind kind, int player);

protected:
    void refresh() override;

private:
    TeamSeason m_season;
    QLabel *m_heading;
    QTabWidget *m_tabs;
    ReportTableView *m_results;
    ReportTableView *m_hitters;
    ReportTableView *m_pitchers;
    ReportTableView *m_innings;
    ReportTableView *m_opponents;
};
