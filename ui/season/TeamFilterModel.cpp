#include "ui/season/TeamFilterModel.h"

#include "ui/season/SeasonTableModel.h"

TeamFilterModel::TeamFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void TeamFilterModel::setTeam(const QString &team)
{
    if (team == m_team)
        return;
    m_team = team;
    invalidateFilter();
}

bool TeamFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_team.isEmpty())
        return true;
    const QStringList teams = sourceModel()->index(sourceRow, 0, sourceParent).data(TeamsRole).toStringList();
    return teams.contains(m_team, Qt::CaseInsensitive);
}

bool TeamFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(SortRole);
    const QVariant b = right.data(SortRole);
    // An empty rate (no inning pitched) sorts below every figure.
    if (!a.isValid() || !b.isValid())
        return !a.isValid() && b.isValid();
    return QSortFilterProxyModel::lessThan(left, right);
}
