#pragma once

#include <string>
#include <vector>

#include "loan/amortization.h"

namespace sw {

// The chart shows what each year's payments went to, or each span of
// years, so that there are at most this many bars.
inline constexpr int kMostBars = 60;

// What the payments of the years from `firstYear` up to `lastYear` (one
// past) went to; sums too large for a double stay at the largest one.
struct YearBar {
  int firstYear;
  int lastYear;
  double interest = 0;
  double principal = 0;

  double paid() const;
};

// One bar for each span of YearsPerBar(table.years) years, the last one
// shorter where the term does not divide evenly.
std::vector<YearBar> YearBars(const Amortization& table);

int YearsPerBar(int years);

// The heading over the bars of a `years`-year term: "Paid each year" or
// "Paid in each 46-year span".
std::string BarHeading(int years);

// What the legend says a bar covers: "Each bar: 1 year", "Each bar: 46
// years, the last 16 years".
std::string BarLegend(int years);

}  // namespace sw
