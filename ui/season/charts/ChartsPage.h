#pragma once

#include "season/PennantRace.h"
#include "ui/season/SeasonPage.h"

#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QStackedWidget;
class ReportTableView;
struct WindowContext;

// The season's charts, drawn from the games: the race of each division (games behind the
// leader after each date), runs scored against runs allowed, and a team's run differential
// over the season (the team chosen above, else the first in the standings). Each chart can
// be read as its table instead, and written as SVG or PDF, or printed, as vectors.
class ChartsPage final : public SeasonPage
{
    Q_OBJECT

public:
    ChartsPage(WindowContext &context, QWidget *parent = nullptr);

    QChart *chart() const;
    ReportTableView *table() const { return m_table; }

public Q_SLOTS:
    void exportSvg();
    void exportPdf();
    void print();

protected:
    void refresh() override;

private:
    enum class Kind { Race, Runs, Differential };
    struct Choice
    {
        Kind kind;
        std::size_t race = 0; // for a race: which division
    };
    void draw();
    void drawRace(QChart &chart, const RaceChart &race);
    void drawRuns(QChart &chart);
    void drawDifferential(QChart &chart);
    Choice choice() const;
    QString svg() const;
    QString suggestedPath(const QString &extension) const;

    WindowContext &m_context;
    std::vector<RaceChart> m_races;
    std::vector<TeamRuns> m_runs;
    ChartSeries m_differential;
    QComboBox *m_chooser;
    QCheckBox *m_asTable;
    QStackedWidget *m_stack;
    QChartView *m_view;
    ReportTableView *m_table;
};
