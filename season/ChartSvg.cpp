#include "season/ChartSvg.h"

#include "season/MarkupText.h"
#include "season/TextTable.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChartSvg", text);
}

QString num(double value)
{
    return QString::number(value, 'f', 1);
}

QString esc(const QString &text)
{
    return MarkupText::escaped(text);
}

// Colours told apart also by those who see red and green alike; past them, dashes.
constexpr std::array<const char *, 8> Colours = {"#0072b2", "#e69f00", "#009e73", "#cc79a7",
                                                 "#56b4e9", "#d55e00", "#000000", "#f0e442"};
constexpr std::array<const char *, 4> Dashes = {"", "6 3", "2 3", "8 3 2 3"};

QString stroke(std::size_t index)
{
    QString attributes = QStringLiteral(" stroke=\"%1\"").arg(QLatin1String(Colours[index % Colours.size()]));
    const char *dash = Dashes[(index / Colours.size()) % Dashes.size()];
    if (*dash)
        attributes += QStringLiteral(" stroke-dasharray=\"%1\"").arg(QLatin1String(dash));
    return attributes;
}

QString open(int width, int height, const QString &title, const QString &description)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\" "
                          "role=\"img\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" "
                          "font-size=\"12\">\n<title>%3</title>\n<desc>%4</desc>\n"
                          "<rect width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n"
                          "<text x=\"8\" y=\"20\" font-size=\"15\" font-weight=\"bold\">%3</text>\n")
        .arg(QString::number(width), QString::number(height), esc(title), esc(description));
}

QString nothingYet(int width, int height, const QString &title)
{
    return open(width, height, title, tr("No final games yet."))
           + QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" fill=\"#555555\">%3</text>\n</svg>\n")
                 .arg(num(width / 2.0), num(height / 2.0), esc(tr("No final games yet.")));
}

// A step of 1, 2 or 5 times a power of ten that cuts range into about five parts.
double niceStep(double range)
{
    const double rough = std::max(range / 5.0, 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return std::max(1.0, factor * power);
    return std::max(1.0, 10.0 * power);
}

struct LineChart
{
    QString title;
    QString description;
    const std::vector<ChartSeries> *series;
    bool downward; // larger values lower on the chart (games behind: the leader on top)
};

QString lineChart(const LineChart &chart, int width, int height)
{
    qint64 firstDay = 0, lastDay = 0;
    double low = 0, high = 0;
    bool any = false;
    for (const ChartSeries &series : *chart.series)
        for (const ChartPoint &point : series.points) {
            const qint64 day = point.date.toJulianDay();
            firstDay = any ? std::min(firstDay, day) : day;
            lastDay = any ? std::max(lastDay, day) : day;
            low = std::min(low, point.value);
            high = std::max(high, point.value);
            any = true;
        }
    if (!any)
        return nothingYet(width, height, chart.title);

    constexpr double Left = 56, Top = 40, Bottom = 40, Legend = 180, Row = 16;
    height = std::max(height, int(Top + Row * double(chart.series->size()) + Bottom));
    const double right = width - Legend;
    const double bottom = height - Bottom;
    const double step = niceStep(high - low);
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    if (lastDay == firstDay) {
        --firstDay;
        ++lastDay;
    }
    const auto x = [&](const QDate &date) {
        return Left + double(date.toJulianDay() - firstDay) / double(lastDay - firstDay) * (right - Left);
    };
    const auto y = [&](double value) {
        const double share = (value - low) / (high - low);
        return chart.downward ? Top + share * (bottom - Top) : bottom - share * (bottom - Top);
    };

    QString svg = open(width, height, chart.title, chart.description);
    svg += QStringLiteral("<g stroke=\"#dddddd\" stroke-width=\"1\">\n");
    for (double value = low; value <= high + step / 2; value += step)
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>\n")
                   .arg(num(Left), num(y(value)), num(right));
    svg += QStringLiteral("</g>\n<g fill=\"#333333\" text-anchor=\"end\">\n");
    for (double value = low; value <= high + step / 2; value += step)
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>\n")
                   .arg(num(Left - 6), num(y(value) + 4), QString::number(value, 'g', 6));
    svg += QStringLiteral("</g>\n");
    if (low < 0 && high > 0)
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#888888\"/>\n")
                   .arg(num(Left), num(y(0)), num(right));
    // The first of each month, at most about twelve of them.
    const QDate first = QDate::fromJulianDay(firstDay);
    const QDate last = QDate::fromJulianDay(lastDay);
    const qint64 months = (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
    const int every = int(std::max<qint64>(1, (months + 11) / 12));
    svg += QStringLiteral("<g fill=\"#333333\" text-anchor=\"middle\">\n");
    QDate tick(first.year(), first.month(), 1);
    if (tick < first)
        tick = tick.addMonths(1);
    for (; tick <= last; tick = tick.addMonths(every))
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\" stroke=\"#888888\"/>"
                              "<text x=\"%1\" y=\"%4\">%5</text>\n")
                   .arg(num(x(tick)), num(bottom), num(bottom + 5), num(bottom + 18),
                        esc(QLocale::c().monthName(tick.month(), QLocale::ShortFormat)));
    svg += QStringLiteral(
               "</g>\n<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" stroke=\"#888888\"/>\n")
               .arg(num(Left), num(Top), num(right - Left), num(bottom - Top));

    svg += QStringLiteral("<g fill=\"none\" stroke-width=\"2\">\n");
    for (std::size_t i = 0; i < chart.series->size(); ++i) {
        const ChartSeries &series = (*chart.series)[i];
        QStringList points;
        for (const ChartPoint &point : series.points)
            points << num(x(point.date)) + u',' + num(y(point.value));
        if (points.isEmpty())
            continue;
        svg += QStringLiteral("<polyline points=\"%1\"%2><title>%3</title></polyline>\n")
                   .arg(points.join(u' '), stroke(i), esc(series.team));
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"3\"%3/>\n")
                   .arg(num(x(series.points.back().date)), num(y(series.points.back().value)), stroke(i));
    }
    svg += QStringLiteral("</g>\n<g>\n");
    for (std::size_t i = 0; i < chart.series->size(); ++i) {
        const double row = Top + 8 + Row * double(i);
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke-width=\"2\"%4/>"
                              "<text x=\"%5\" y=\"%6\">%7</text>\n")
                   .arg(num(right + 12), num(row), num(right + 36), stroke(i), num(right + 42), num(row + 4),
                        esc(TextTable::fitted((*chart.series)[i].team, 22)));
    }
    return svg + QStringLiteral("</g>\n</svg>\n");
}

} // namespace

namespace ChartSvg {

QString race(const RaceChart &chart, int width, int height)
{
    const QString title = chart.division.isEmpty() ? tr("The race: games behind the leader")
                                                   : tr("The race in %1: games behind the leader").arg(chart.division);
    const QString description = tr(
        "Games behind the leader after each date, one line a team; the leader is at the top.");
    return lineChart({title, description, &chart.teams, true}, width, height);
}

QString differential(const ChartSeries &series, int width, int height)
{
    const std::vector<ChartSeries> one{series};
    return lineChart({tr("%1: run differential").arg(series.team),
                      tr("Runs scored less runs allowed after each date the team played."), &one, false},
                     width, height);
}

QString runs(const std::vector<TeamRuns> &runs, int width)
{
    const QString title = tr("Runs scored and allowed");
    if (runs.empty())
        return nothingYet(width, 120, title);
    constexpr double Label = 160, Top = 52, Row = 26, Bar = 9;
    const int height = int(Top + Row * double(runs.size()) + 16);
    qint64 most = 1;
    for (const TeamRuns &team : runs)
        most = std::max({most, team.scored, team.allowed});
    const double room = width - Label - 60;
    const auto length = [&](qint64 value) { return std::max<qint64>(value, 0) / double(most) * room; };
    QString svg = open(width, height, title, tr("Two bars a team: the runs it scored, then the runs it allowed."));
    svg += QStringLiteral("<rect x=\"%1\" y=\"28\" width=\"12\" height=\"%2\" fill=\"%3\"/>"
                          "<text x=\"%4\" y=\"37\">%5</text>\n"
                          "<rect x=\"%6\" y=\"28\" width=\"12\" height=\"%2\" fill=\"%7\"/>"
                          "<text x=\"%8\" y=\"37\">%9</text>\n")
               .arg(num(Label), num(Bar), QLatin1String(Colours[0]), num(Label + 16), esc(tr("scored")),
                    num(Label + 100), QLatin1String(Colours[1]), num(Label + 116), esc(tr("allowed")));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const TeamRuns &team = runs[i];
        const double top = Top + Row * double(i);
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>\n")
                   .arg(num(Label - 8), num(top + Bar + 3), esc(TextTable::fitted(team.team, 22)));
        const std::array<std::pair<qint64, const char *>, 2> bars = {
            {{team.scored, Colours[0]}, {team.allowed, Colours[1]}}};
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const double barTop = top + double(b) * (Bar + 1);
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>"
                                  "<text x=\"%6\" y=\"%7\" font-size=\"10\">%8</text>\n")
                       .arg(num(Label), num(barTop), num(length(bars[b].first)), num(Bar),
                            QLatin1String(bars[b].second), num(Label + length(bars[b].first) + 4),
                            num(barTop + Bar - 1), QString::number(bars[b].first));
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

} // namespace ChartSvg
