#pragma once

#include <QDate>
#include <QString>

#include <vector>

// One point of a chart over the season: the value after the games of a date.
struct ChartPoint
{
    QDate date;
    double value = 0;
    bool operator==(const ChartPoint &) const = default;
};

// One line of a chart: a team's values in date order.
struct ChartSeries
{
    QString team;
    std::vector<ChartPoint> points;
};

// A team's runs over the season, for a chart of runs scored against runs allowed.
struct TeamRuns
{
    QString team;
    qint64 scored = 0, allowed = 0;
};
