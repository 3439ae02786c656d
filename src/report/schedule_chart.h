#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"
#include "report/schedule_summary.h"

namespace sw {

// Whether the chart draws the report's title above its plots, or leaves it
// to a page that shows it already.
enum class ChartTitle { kDrawn, kLeftOut };

// The chart: one SVG 1.1 <svg> element picturing the loan, the principal
// still owed after each month as a line over a shaded area, and what each
// year's payments (or each span of years, at most kMostBars bars) went to
// as stacked bars of interest and principal. Axes are labelled in the text
// report's number style, with at most two decimals. A plot whose amounts
// all show as 0.00 draws nothing but says so. Labels and the <title> and
// <desc> use `separators`. Size stays near 30 KB whatever the term: the
// balance is drawn through at most one point per plot column.

// The chart as a standalone file: an XML declaration, then the <svg>
// element with the title drawn.
std::string ScheduleChartFile(const Amortization& table, const Separators& separators);

// The <svg> element alone, for a page that has worked out `summary` (the
// table's, in the same separators) for its own figures.
std::string ScheduleChart(const Amortization& table, const ScheduleSummary& summary,
                          const Separators& separators, ChartTitle title);

}  // namespace sw
