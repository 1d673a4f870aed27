#include "ui/season/charts/ChartsPage.h"

#include "scoresheet/TextRules.h"
#include "season/ChartSvg.h"
#include "season/SeasonTables.h"
#include "services/AtomicFile.h"
#include "services/FileDialogs.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "ui/WindowContext.h"
#include "ui/season/ReportTableView.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QDir>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int LegendName = 24; // characters of a team's name in a legend or on an axis

QString shortName(const QString &name)
{
    return name.size() > LegendName ? name.left(LegendName - 1) + QChar(0x2026) : name;
}

// A name in a chart's legend or on its axis, which Qt Charts reads as rich text: shown as typed.
QString chartLabel(const QString &name)
{
    return shortName(name).toHtmlEscaped();
}

// The dates of a chart along its x axis: as dates where every point has one, else as the
// points' places (a season whose games carry no dates).
QAbstractAxis *dateAxis(QChart &chart, const std::vector<ChartPoint> &points)
{
    const bool dated = !points.empty() && std::all_of(points.begin(), points.end(), [](const ChartPoint &point) {
        return point.date.isValid();
    });
    if (dated) {
        auto *axis = new QDateTimeAxis(&chart);
        axis->setFormat(QStringLiteral("MMM d"));
        axis->setTitleText(QCoreApplication::translate("ChartsPage", "Date"));
        const QDateTime first = points.front().date.startOfDay();
        const QDateTime last = points.back().date.startOfDay();
        axis->setRange(first, last > first ? last : first.addDays(1));
        axis->setTickCount(std::clamp(int(first.daysTo(last)) + 1, 2, 8));
        return axis;
    }
    auto *axis = new QValueAxis(&chart);
    axis->setTitleText(QCoreApplication::translate("ChartsPage", "Day of games"));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setRange(1, std::max<double>(2, double(points.size())));
    return axis;
}

// Where a point stands along a date axis made by dateAxis().
double xOf(const QAbstractAxis *axis, const std::vector<ChartPoint> &points, std::size_t i)
{
    if (axis->type() == QAbstractAxis::AxisTypeDateTime)
        return double(points[i].date.startOfDay().toMSecsSinceEpoch());
    return double(i + 1);
}

// A chart on paper or in a PDF file: its scene drawn as vectors.
class ChartPrintPage final : public PrintPage
{
public:
    explicit ChartPrintPage(QChart &chart)
        : m_chart(chart)
    {
    }
    QSize size() const override { return m_chart.size().toSize().expandedTo(QSize(480, 320)); }
    void paint(QPainter &painter) const override
    {
        m_chart.scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())), m_chart.sceneBoundingRect());
    }

private:
    QChart &m_chart;
};

} // namespace

ChartsPage::ChartsPage(WindowContext &context, QWidget *parent)
    : SeasonPage(parent)
    , m_context(context)
    , m_chooser(new QComboBox(this))
    , m_asTable(new QCheckBox(tr("Sho&w as Table"), this))
    , m_stack(new QStackedWidget(this))
    , m_view(new QChartView(this))
    , m_table(new ReportTableView(QStringLiteral("tblChart"), tr("The chart's figures"), this))
{
    setObjectName(QStringLiteral("pageCharts"));
    m_chooser->setObjectName(QStringLiteral("cboChart"));
    m_chooser->setAccessibleName(tr("Chart shown"));
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_asTable->setObjectName(QStringLiteral("chkChartTable"));
    m_asTable->setToolTip(tr("The chart's figures as a table, for reading or for a screen reader"));
    m_view->setObjectName(QStringLiteral("chtSeason"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleDescription(tr("The same figures stand in the table shown with Show as Table."));
    m_view->setMinimumSize(320, 240);
    m_stack->addWidget(m_view);
    m_stack->addWidget(m_table);

    auto *label = new QLabel(tr("C&hart:"), this);
    label->setBuddy(m_chooser);
    auto *bar = new QHBoxLayout;
    bar->addWidget(label);
    bar->addWidget(m_chooser);
    bar->addWidget(m_asTable);
    bar->addStretch(1);
    const auto button = [&](const char *objectName, const QString &text, void (ChartsPage::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(objectName));
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
    };
    button("cmdExportSvg", tr("Export S&VG..."), &ChartsPage::exportSvg);
    button("cmdExportChartPdf", tr("Export P&DF..."), &ChartsPage::exportPdf);
    button("cmdPrintChart", tr("P&rint..."), &ChartsPage::print);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_stack, 1);

    connect(m_chooser, &QComboBox::currentIndexChanged, this, &ChartsPage::draw);
    connect(m_asTable, &QCheckBox::toggled, this, [this](bool table) { m_stack->setCurrentIndex(table ? 1 : 0); });
}

QChart *ChartsPage::chart() const
{
    return m_view->chart();
}

void ChartsPage::refresh()
{
    m_races = PennantRace::gamesBehind(*figures());
    m_runs = PennantRace::runs(*figures());
    int shown = team().isEmpty() ? -1 : TeamSeason::find(*figures(), team());
    if (shown < 0 && !figures()->standings.empty())
        shown = TeamSeason::find(*figures(), figures()->standings.front().team);
    m_differential = shown < 0 ? ChartSeries{} : PennantRace::runDifferential(*figures(), shown);

    // The chart chosen stays chosen while the season has it.
    const int chosen = m_chooser->currentIndex();
    const QSignalBlocker quiet(m_chooser);
    m_chooser->clear();
    for (const RaceChart &race : m_races)
        m_chooser->addItem(race.division.isEmpty()
                               ? (m_races.size() == 1 ? tr("Games behind") : tr("Games behind: other teams"))
                               : tr("Games behind: %1").arg(shortName(race.division)));
    m_chooser->addItem(tr("Runs scored and allowed"));
    m_chooser->addItem(m_differential.team.isEmpty() ? tr("Run differential")
                                                     : tr("Run differential: %1").arg(shortName(m_differential.team)));
    m_chooser->setCurrentIndex(std::clamp(chosen, 0, m_chooser->count() - 1));
    draw();
}

ChartsPage::Choice ChartsPage::choice() const
{
    const int index = m_chooser->currentIndex();
    if (index >= 0 && index < int(m_races.size()))
        return {Kind::Race, std::size_t(index)};
    return {index == int(m_races.size()) ? Kind::Runs : Kind::Differential};
}

void ChartsPage::draw()
{
    if (!figures())
        return;
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    const Choice now = choice();
    switch (now.kind) {
    case Kind::Race:
        drawRace(*chart, m_races[now.race]);
        break;
    case Kind::Runs:
        drawRuns(*chart);
        break;
    case Kind::Differential:
        drawDifferential(*chart);
        break;
    }
    QChart *old = m_view->chart();
    m_view->setChart(chart);
    delete old;
    m_view->setAccessibleName(chart->title());
}

void ChartsPage::drawRace(QChart &chart, const RaceChart &race)
{
    chart.setTitle(race.division.isEmpty() ? tr("Games behind the leader")
                                           : tr("Games behind the leader, %1").arg(race.division.toHtmlEscaped()));
    m_table->setTable(SeasonTables::race(race));
    const std::vector<ChartPoint> none;
    const std::vector<ChartPoint> &dates = race.teams.empty() ? none : race.teams.front().points;
    QAbstractAxis *x = dateAxis(chart, dates);
    auto *y = new QValueAxis(&chart);
    y->setTitleText(tr("Games behind"));
    y->setReverse(true); // the leader on top
    y->setLabelFormat(QStringLiteral("%.0f"));
    double most = 1;
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (const ChartSeries &team : race.teams) {
        auto *line = new QLineSeries(&chart);
        line->setName(chartLabel(team.team));
        QList<QPointF> points;
        points.reserve(qsizetype(team.points.size()));
        for (std::size_t i = 0; i < team.points.size(); ++i) {
            points << QPointF(xOf(x, team.points, i), team.points[i].value);
            most = std::max(most, team.points[i].value);
        }
        line->replace(points);
        chart.addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
    // Whole games along the axis, some ten steps at most.
    const double step = std::max(1.0, std::ceil(most / 10));
    y->setRange(0, step * std::ceil(most / step));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
}

void ChartsPage::drawRuns(QChart &chart)
{
    chart.setTitle(tr("Runs scored and allowed"));
    m_table->setTable(SeasonTables::runs(m_runs, *figures()));
    auto *scored = new QBarSet(tr("Scored"), &chart);
    auto *allowed = new QBarSet(tr("Allowed"), &chart);
    QStringList teams;
    qint64 most = 1;
    // Bars stand from the bottom up: the standings' first team on top.
    for (auto team = m_runs.rbegin(); team != m_runs.rend(); ++team) {
        *scored << double(team->scored);
        *allowed << double(team->allowed);
        // A category is known by its text: two teams cut to the same text stay two.
        QString name = chartLabel(team->team);
        while (teams.contains(name))
            name += QChar(0x200B);
        teams << name;
        most = std::max({most, team->scored, team->allowed});
    }
    // Within a team the first set stands lowest: scored on top, as the legend lists them.
    auto *bars = new QHorizontalBarSeries(&chart);
    bars->append(allowed);
    bars->append(scored);
    chart.legend()->setReverseMarkers(true);
    chart.addSeries(bars);
    auto *y = new QBarCategoryAxis(&chart);
    y->append(teams);
    auto *x = new QValueAxis(&chart);
    x->setTitleText(tr("Runs"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, double(most));
    x->applyNiceNumbers();
    chart.addAxis(y, Qt::AlignLeft);
    chart.addAxis(x, Qt::AlignBottom);
    bars->attachAxis(y);
    bars->attachAxis(x);
}

void ChartsPage::drawDifferential(QChart &chart)
{
    chart.setTitle(m_differential.team.isEmpty() ? tr("Run differential")
                                                 : tr("Run differential, %1").arg(m_differential.team.toHtmlEscaped()));
    m_table->setTable(SeasonTables::differential(m_differential));
    const std::vector<ChartPoint> &points = m_differential.points;
    QAbstractAxis *x = dateAxis(chart, points);
    auto *y = new QValueAxis(&chart);
    y->setTitleText(tr("Runs scored less runs allowed"));
    y->setLabelFormat(QStringLiteral("%d"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    auto *line = new QLineSeries(&chart);
    line->setName(chartLabel(m_differential.team));
    double low = -1, high = 1;
    QList<QPointF> values;
    for (std::size_t i = 0; i < points.size(); ++i) {
        values << QPointF(xOf(x, points, i), points[i].value);
        low = std::min(low, points[i].value);
        high = std::max(high, points[i].value);
    }
    line->replace(values);
    // The zero line, drawn across the whole season.
    auto *zero = new QLineSeries(&chart);
    if (!points.empty())
        zero->replace({QPointF(xOf(x, points, 0), 0), QPointF(xOf(x, points, points.size() - 1), 0)});
    QPen dashed(Qt::gray);
    dashed.setStyle(Qt::DashLine);
    zero->setPen(dashed);
    for (QLineSeries *series : {zero, line}) {
        chart.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    y->setRange(std::floor(low), std::ceil(high));
    y->applyNiceNumbers();
    chart.legend()->markers(zero).first()->setVisible(false);
}

QString ChartsPage::svg() const
{
    const Choice now = choice();
    switch (now.kind) {
    case Kind::Race:
        return ChartSvg::race(m_races[now.race]);
    case Kind::Runs:
        return ChartSvg::runs(m_runs);
    case Kind::Differential:
        return ChartSvg::differential(m_differential);
    }
    return {};
}

QString ChartsPage::suggestedPath(const QString &extension) const
{
    return QDir(m_context.places.documents).filePath(suggestedFileName(m_chooser->currentText(), extension));
}

void ChartsPage::exportSvg()
{
    if (!figures())
        return;
    const QString file = m_context.dialogs.exportSvg(this, suggestedPath(QStringLiteral(".svg")));
    if (file.isEmpty())
        return;
    QString error;
    if (!writeFileAtomically(file, svg().toUtf8(), &error))
        m_context.prompter.inform(this, error);
}

void ChartsPage::exportPdf()
{
    if (!figures())
        return;
    const QString file = m_context.dialogs.exportPdf(this, suggestedPath(QStringLiteral(".pdf")));
    if (file.isEmpty())
        return;
    QString error;
    if (!m_context.printer.writePdf(ChartPrintPage(*m_view->chart()), file, &error))
        m_context.prompter.inform(this, error);
}

void ChartsPage::print()
{
    if (!figures())
        return;
    QString error;
    if (!m_context.printer.print(ChartPrintPage(*m_view->chart()), &error))
        m_context.prompter.inform(this, error);
}
