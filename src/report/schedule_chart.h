#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"
#include "report/schedule_summary.h"

namespace sw {

// The plot areas and colours that the picture of a chart can be checked by.
namespace chart {
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 640;
inline constexpr double kPlotLeft = 110;
inline constexpr double kPlotRight = 770;
inline constexpr double kBalanceTop = 70;
inline constexpr double kBalanceBottom = 290;
inline constexpr double kBarsTop = 370;
inline constexpr double kBarsBottom = 560;
inline constexpr int kMostBars = 60;
inline constexpr const char* kBalanceColour = "#08306b";
}  // namespace chart

// One SVG 1.1 <svg> element picturing the loan: the principal still owed
// after each month as a line over a shaded area, and what each year's
// payments (or each group of years, so that there are at most
// chart::kMostBars bars) went to as stacked bars of interest and principal.
// Labels and the <title> and <desc> use `separators`; `summary` is the
// table's, in the same separators. Size stays near 30 KB whatever the term:
// the balance is drawn through at most one point per plot column.
std::string ScheduleChart(const Amortization& table, const ScheduleSummary& summary,
                          const Separators& separators);

// The same as a standalone file, after an XML declaration.
std::string ScheduleChartFile(const Amortization& table, const ScheduleSummary& summary,
                              const Separators& separators);

}  // namespace sw
