#include "report/year_bars.h"

#include <algorithm>
#include <cfloat>

namespace sw {
namespace {

std::string YearsText(int years) {
  return std::to_string(years) + (years == 1 ? " year" : " years");
}

}  // namespace

double YearBar::paid() const { return std::min(interest + principal, DBL_MAX); }

int YearsPerBar(int years) { return (years + kMostBars - 1) / kMostBars; }

std::vector<YearBar> YearBars(const Amortization& table) {
  const int yearsPerBar = YearsPerBar(table.years);
  std::vector<YearBar> bars;
  for (int first = 0; first < table.years; first += yearsPerBar) {
    bars.push_back({first, std::min(first + yearsPerBar, table.years)});
  }
  for (const AmortizationRow& row : table.rows) {
    YearBar& bar = bars[static_cast<std::size_t>((row.month - 1) / 12 / yearsPerBar)];
    bar.interest = std::min(bar.interest + row.interest, DBL_MAX);
    bar.principal = std::min(bar.principal + row.principal, DBL_MAX);
  }
  return bars;
}

std::string BarHeading(int years) {
  const int yearsPerBar = YearsPerBar(years);
  if (yearsPerBar == 1) return "Paid each year";
  return "Paid in each " + std::to_string(yearsPerBar) + "-year span";
}

std::string BarLegend(int years) {
  const int yearsPerBar = YearsPerBar(years);
  const int lastBarYears = years - (years - 1) / yearsPerBar * yearsPerBar;
  std::string legend = "Each bar: " + YearsText(yearsPerBar);
  if (lastBarYears != yearsPerBar) legend += ", the last " + YearsText(lastBarYears);
  return legend;
}

}  // namespace sw
