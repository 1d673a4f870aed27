#pragma once

#include "season/ChartSeries.h"
#include "season/PennantRace.h"

#include <QString>

#include <vector>

// The season's charts as SVG text, drawn from the same series the window's charts show:
// for the HTML report (inline) and for "export as SVG". Each is one <svg> element, with
// its title and a description for screen readers, that stands alone as an .svg file and
// is well-formed XML whatever the names hold. Sizes are in pixels.
namespace ChartSvg {

// Games behind the leader after each date, one line a team, the leader on top.
QString race(const RaceChart &chart, int width = 760, int height = 360);
// Runs scored and allowed, two bars a team.
QString runs(const std::vector<TeamRuns> &runs, int width = 760);
// A team's run differential after each date, with the zero line.
QString differential(const ChartSeries &series, int width = 760, int height = 280);

} // namespace ChartSvg
