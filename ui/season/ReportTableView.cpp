#include "ui/season/ReportTableView.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHeaderView>

class ReportTableView::Model final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ReportTable table)
    {
        beginResetModel();
        m_table = std::move(table);
        endResetModel();
    }
    const ReportTable &table() const { return m_table; }
    bool isTotals(int row) const { return row == int(m_table.rows.size()); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_table.rows.size()) + (m_table.totals.empty() ? 0 : 1);
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_table.columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
            return {};
        const ReportTable::Row &row = isTotals(index.row()) ? m_table.totals : m_table.rows[std::size_t(index.row())];
        const ReportTable::Column &column = m_table.columns[std::size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return std::size_t(index.column()) < row.size() ? row[std::size_t(index.column())].text : QString();
        case Qt::ToolTipRole: {
            // A name cut by its column reads whole in its tip.
            const QString text = std::size_t(index.column()) < row.size() ? row[std::size_t(index.column())].text
                                                                          : QString();
            return column.name ? text : QVariant();
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter | (column.number ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::FontRole:
            if (isTotals(index.row())) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
            return {};
        const ReportTable::Column &column = m_table.columns[std::size_t(section)];
        if (role == Qt::DisplayRole)
            return column.header;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignVCenter | (column.number ? Qt::AlignRight : Qt::AlignLeft));
        return {};
    }

private:
    ReportTable m_table;
};

ReportTableView::ReportTableView(const QString &objectName, const QString &accessibleName, QWidget *parent)
    : QTableView(parent)
    , m_model(new Model(this))
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setModel(m_model);
    setUpSeasonTable(this);
}

void ReportTableView::setTable(ReportTable table)
{
    m_model->setTable(std::move(table));
    resizeColumnsToContents();
}

const ReportTable &ReportTableView::table() const
{
    return m_model->table();
}

int ReportTableView::currentTableRow() const
{
    const int row = currentIndex().row();
    return row >= 0 && row < int(m_model->table().rows.size()) ? row : -1;
}

void setUpSeasonTable(QTableView *view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    // Columns as wide as what they show, judged by the first few hundred rows.
    view->horizontalHeader()->setResizeContentsPrecision(300);
    view->horizontalHeader()->setSectionsMovable(false);
    view->horizontalHeader()->setHighlightSections(false);
}
