#pragma once

#include <QString>

#include <vector>

// One table of the season's report, as text: the same tables make the HTML pages and the
// printed book, so that both show the same figures.
struct ReportTable
{
    struct Column
    {
        QString header;
        bool number = false; // right-aligned
        bool name = false;   // a name as typed: its direction follows its own letters
    };
    struct Cell
    {
        QString text;
        QString link; // a page of the report, from its folder ("teams/team-3.html"); empty for none
    };
    using Row = std::vector<Cell>;

    QString caption;
    QString kind; // what it holds, for the stylesheet and tests: "standings", "linescore", ...
    std::vector<Column> columns;
    std::vector<Row> rows;
    Row totals; // a last row set apart; empty for none
};
