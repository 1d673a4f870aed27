#pragma once

#include "season/SeasonFigures.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// One column of a season's table: its header, what a cell shows, what it sorts by, and
// how it stands.
template <typename Row> struct SeasonColumn
{
    QString header;
    std::function<QString(const SeasonFigures &, const Row &)> shown;
    // What the column sorts by: a number where the column holds numbers, else the text.
    std::function<QVariant(const SeasonFigures &, const Row &)> sortedBy;
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    QString tip; // what the header's abbreviation stands for
};

// The role under which a row tells the teams it belongs to, for the team filter.
inline constexpr int TeamsRole = Qt::UserRole + 1;
// The role under which a cell gives what it sorts by.
inline constexpr int SortRole = Qt::UserRole + 2;

// A season's rows of one kind (standings, batting lines, games...) as a table. The rows
// belong to the figures they come from, which the model holds while it shows them: a new
// reading of the season replaces both at once.
template <typename Row> class SeasonTableModel final : public QAbstractTableModel
{
public:
    using Rows = std::function<const std::vector<Row> &(const SeasonFigures &)>;
    using Teams = std::function<QStringList(const SeasonFigures &, const Row &)>;

    SeasonTableModel(Rows rows, std::vector<SeasonColumn<Row>> columns, Teams teams, QObject *parent = nullptr)
        : QAbstractTableModel(parent)
        , m_rows(std::move(rows))
        , m_columns(std::move(columns))
        , m_teams(std::move(teams))
    {
    }

    void setFigures(std::shared_ptr<const SeasonFigures> figures)
    {
        beginResetModel();
        m_figures = std::move(figures);
        endResetModel();
    }
    const SeasonFigures *figures() const { return m_figures.get(); }
    // The row behind a model row; null outside the table.
    const Row *row(int index) const
    {
        if (!m_figures || index < 0 || index >= rowCount())
            return nullptr;
        return &m_rows(*m_figures)[std::size_t(index)];
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_figures ? 0 : int(m_rows(*m_figures).size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const Row *r = row(index.row());
        if (!r || index.column() < 0 || index.column() >= columnCount())
            return {};
        const SeasonColumn<Row> &column = m_columns[std::size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return column.shown(*m_figures, *r);
        case Qt::TextAlignmentRole:
            return int(column.alignment);
        case SortRole:
            return column.sortedBy ? column.sortedBy(*m_figures, *r) : QVariant(column.shown(*m_figures, *r));
        case TeamsRole:
            return m_teams(*m_figures, *r);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return QAbstractTableModel::headerData(section, orientation, role);
        const SeasonColumn<Row> &column = m_columns[std::size_t(section)];
        if (role == Qt::DisplayRole)
            return column.header;
        if (role == Qt::ToolTipRole && !column.tip.isEmpty())
            return column.tip;
        if (role == Qt::TextAlignmentRole)
            return int(column.alignment);
        return {};
    }

private:
    Rows m_rows;
    std::vector<SeasonColumn<Row>> m_columns;
    Teams m_teams;
    std::shared_ptr<const SeasonFigures> m_figures;
};
