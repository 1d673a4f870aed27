#pragma once

#include "season/SeasonLeaders.h"
#include "ui/season/PlayerLogDialog.h"
#include "ui/season/SeasonPage.h"

class QListWidget;
class ReportTableView;

// The season's leader boards: a list of them (hitting, pitching, streaks, multi-hit games)
// and the chosen board's ten best. A leader opens his games.
class LeadersPage final : public SeasonPage
{
    Q_OBJECT

public:
    explicit LeadersPage(QWidget *parent = nullptr);

    ReportTableView *table() const { return m_table; }

Q_SIGNALS:
    void playerChosen(PlayerLogDialog::Kind kind, int player);

protected:
    void refresh() override;

private:
    std::vector<const LeaderBoard *> boards() const;
    void showBoard();
    void openLeader();

    SeasonLeaders m_leaders;
    QListWidget *m_list;
    ReportTableView *m_table;
};
