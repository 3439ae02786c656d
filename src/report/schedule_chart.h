#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"
#include "report/schedule_summary.h"

namespace sw {

// Whether the chart draws the report's title above its plots, or leaves it
// to a page that shows it already.
enum class ChartTitle { kDrawn, kLeftOut };

// One SVG 1.1 <svg> element picturing the loan: the principal still owed
// after each month as a line over a shaded area, and what each year's
// payments (or each span of years, at most kMostBars bars) went to as
// stacked bars of interest and principal. Axes are labelled in the text
// report's number style, with at most two decimals. A plot whose amounts
// all show as 0.00 draws nothing but says so. Labels and the <title> and
// <desc> use `separators`; `summary` is the table's, in the same
// separators. Size stays near 30 KB whatever the term: the balance is drawn
// through at most one point per plot column.
std::string ScheduleChart(const Amortization& table, const ScheduleSummary& summary,
                          const Separators& separators, ChartTitle title = ChartTitle::kDrawn);

// The same as a standalone file, after an XML declaration.
std::string ScheduleChartFile(const Amortization& table, const ScheduleSummary& summary,
                              const Separators& separators);

}  // namespace sw
