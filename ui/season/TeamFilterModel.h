#pragma once

#include <QSortFilterProxyModel>

// A season's table sorted by the column the user picks (numbers as numbers) and, with a
// team chosen, narrowed to the rows of that team.
class TeamFilterModel final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TeamFilterModel(QObject *parent = nullptr);

    // Empty: every team.
    void setTeam(const QString &team);
    const QString &team() const { return m_team; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_team;
};
