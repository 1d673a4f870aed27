#pragma once

#include "season/ReportTable.h"

#include <QTableView>

class QAbstractTableModel;

// A table of the season's report in a window: the same rows the HTML pages and the printed
// book show (leaders, a team's page, a chart's text alternative), read-only, numbers on the
// right, a totals row in bold.
class ReportTableView final : public QTableView
{
    Q_OBJECT

public:
    ReportTableView(const QString &objectName, const QString &accessibleName, QWidget *parent);

    void setTable(ReportTable table);
    const ReportTable &table() const;
    // The row of the table behind the current index; -1 for none or the totals.
    int currentTableRow() const;

private:
    class Model;
    Model *m_model;
};

// How every table of the season book looks and moves: whole rows chosen, no editing, Tab
// leaves the table, rows as tall as their text, no row numbers.
void setUpSeasonTable(QTableView *view);
