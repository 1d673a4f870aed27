#include "ui/season/LeadersPage.h"

#include "season/SeasonTables.h"
#include "ui/season/ReportTableView.h"

#include <QHBoxLayout>
#include <QListWidget>

LeadersPage::LeadersPage(QWidget *parent)
    : SeasonPage(parent)
    , m_list(new QListWidget(this))
    , m_table(new ReportTableView(QStringLiteral("tblLeaders"), tr("Leaders"), this))
{
    setObjectName(QStringLiteral("pageLeaders"));
    m_list->setObjectName(QStringLiteral("lstLeaders"));
    m_list->setAccessibleName(tr("Leader boards"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_table, 1);
    connect(m_list, &QListWidget::currentRowChanged, this, &LeadersPage::showBoard);
    connect(m_table, &QTableView::activated, this, &LeadersPage::openLeader);
}

std::vector<const LeaderBoard *> LeadersPage::boards() const
{
    std::vector<const LeaderBoard *> all;
    for (const LeaderBoard &board : m_leaders.batting)
        all.push_back(&board);
    for (const LeaderBoard &board : m_leaders.pitching)
        all.push_back(&board);
    all.push_back(&m_leaders.hittingStreaks);
    all.push_back(&m_leaders.multiHitGames);
    return all;
}

void LeadersPage::refresh()
{
    m_leaders = SeasonLeaders::compute(*figures());
    // The board chosen stays chosen.
    const int chosen = qMax(0, m_list->currentRow());
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const LeaderBoard *board : boards())
        m_list->addItem(board->title);
    m_list->setMaximumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24);
    m_list->setCurrentRow(qMin(chosen, m_list->count() - 1));
    showBoard();
}

void LeadersPage::showBoard()
{
    const std::vector<const LeaderBoard *> all = boards();
    const int chosen = m_list->currentRow();
    if (chosen < 0 || chosen >= int(all.size()) || !figures()) {
        m_table->setTable({});
        return;
    }
    m_table->setTable(SeasonTables::leaders(*all[std::size_t(chosen)], *figures()));
    m_table->setAccessibleName(all[std::size_t(chosen)]->title);
}

void LeadersPage::openLeader()
{
    const std::vector<const LeaderBoard *> all = boards();
    const int chosen = m_list->currentRow();
    const int row = m_table->currentTableRow();
    if (chosen < 0 || chosen >= int(all.size()) || row < 0)
        return;
    const LeaderBoard &board = *all[std::size_t(chosen)];
    if (std::size_t(row) >= board.entries.size() || board.entries[std::size_t(row)].name.isEmpty())
        return;
    const LeaderEntry &entry = board.entries[std::size_t(row)];
    const bool pitching = std::any_of(m_leaders.pitching.begin(), m_leaders.pitching.end(),
                                      [&](const LeaderBoard &b) { return &b == &board; });
    Q_EMIT playerChosen(pitching ? PlayerLogDialog::Kind::Pitching : PlayerLogDialog::Kind::Batting, entry.player);
}
