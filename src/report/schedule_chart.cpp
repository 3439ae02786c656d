#include "report/schedule_chart.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <vector>

#include "numeric/display_pattern.h"
#include "report/amortization_report.h"
#include "report/markup_text.h"
#include "report/round_ticks.h"

namespace sw {
namespace {

using namespace chart;

constexpr const char* kInterestColour = "#b35806";   // dark: tells apart in grey too
constexpr const char* kPrincipalColour = "#9ecae1";  // light
constexpr const char* kAreaColour = "#deebf7";
constexpr const char* kGridColour = "#d9d9d9";
constexpr const char* kAxisColour = "#404040";
constexpr double kPlotWidth = kPlotRight - kPlotLeft;

// A coordinate to one decimal: finer than any screen or printer needs.
std::string At(double coordinate) {
  std::array<char, 32> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), coordinate,
                                 std::chars_format::fixed, 1)
                       .ptr;
  return std::string(buffer.data(), end);
}

// Where `value` lies on a vertical axis from `bottom` (zero) to `top`
// (ticks.top()), kept inside the plot.
double Height(double value, const RoundTicks& ticks, double top, double bottom) {
  return bottom - std::clamp(value / ticks.top(), 0.0, 1.0) * (bottom - top);
}

std::string Label(double value, int decimals, const Separators& separators) {
  std::string picture = "#,##0";
  if (decimals > 0) picture.append(1, '.').append(static_cast<std::size_t>(decimals), '0');
  return FormatWithPattern(value, picture, separators);
}

std::string Text(double x, double y, const std::string& text, const char* attributes = "") {
  return "<text x=\"" + At(x) + "\" y=\"" + At(y) + "\"" + attributes + ">" + MarkupText(text) +
         "</text>\n";
}

// Grid lines and labels of a vertical axis, and its heading above the plot.
std::string ValueAxis(const RoundTicks& ticks, double top, double bottom,
                      const std::string& heading, const Separators& separators) {
  std::string svg = Text(kPlotLeft, top - 12, heading, " font-weight=\"bold\"");
  for (int tick = 0; tick <= ticks.count; ++tick) {
    const double y = Height(ticks.at(tick), ticks, top, bottom);
    svg += "<line x1=\"" + At(kPlotLeft) + "\" x2=\"" + At(kPlotRight) + "\" y1=\"" + At(y) +
           "\" y2=\"" + At(y) + "\" stroke=\"" + kGridColour + "\"/>\n";
    svg += Text(kPlotLeft - 8, y + 4, Label(ticks.at(tick), ticks.decimals, separators),
                " text-anchor=\"end\"");
  }
  return svg;
}

double YearX(double years, int allYears) { return kPlotLeft + years / allYears * kPlotWidth; }

// Year labels under a plot and its axis lines.
std::string YearAxis(int years, double top, double bottom, const Separators& separators) {
  const RoundTicks ticks = RoundTicksFor(std::max(years, 5), 10);
  std::string svg = "<path d=\"M" + At(kPlotLeft) + " " + At(top) + "V" + At(bottom) + "H" +
                    At(kPlotRight) + "\" fill=\"none\" stroke=\"" + kAxisColour + "\"/>\n";
  for (int tick = 0; ticks.at(tick) <= years; ++tick) {
    svg += Text(YearX(ticks.at(tick), years), bottom + 16,
                Label(ticks.at(tick), ticks.decimals, separators), " text-anchor=\"middle\"");
  }
  return svg;
}

// The balance at the start and after each month, through at most one point
// per plot column; the first and last are always drawn.
std::string BalancePaths(const Amortization& table, const RoundTicks& ticks) {
  const std::size_t months = table.rows.size();
  const auto balanceAt = [&table](std::size_t month) {
    return month == 0 ? table.principal : table.rows[month - 1].balance;
  };
  const std::size_t columns = std::min(months, static_cast<std::size_t>(kPlotWidth));
  std::string line;
  for (std::size_t column = 0; column <= columns; ++column) {
    const std::size_t month = column * months / columns;
    line += column == 0 ? 'M' : 'L';
    line += At(kPlotLeft + kPlotWidth * month / months);
    line += ' ';
    line += At(Height(balanceAt(month), ticks, kBalanceTop, kBalanceBottom));
  }
  const std::string area = line + "L" + At(kPlotRight) + " " + At(kBalanceBottom) + "L" +
                           At(kPlotLeft) + " " + At(kBalanceBottom) + "Z";
  return "<path d=\"" + area + "\" fill=\"" + kAreaColour + "\"/>\n<path d=\"" + line +
         "\" fill=\"none\" stroke=\"" + kBalanceColour +
         "\" stroke-width=\"2.5\" stroke-linejoin=\"round\"/>\n";
}

struct Bar {
  int firstYear;
  int lastYear;  // one past
  double interest = 0;
  double principal = 0;

  double paid() const { return std::min(interest + principal, DBL_MAX); }
};

int YearsPerBar(int years) { return (years + kMostBars - 1) / kMostBars; }

std::vector<Bar> YearBars(const Amortization& table, int yearsPerBar) {
  std::vector<Bar> bars;
  for (int first = 0; first < table.years; first += yearsPerBar) {
    bars.push_back({first, std::min(first + yearsPerBar, table.years)});
  }
  for (const AmortizationRow& row : table.rows) {
    Bar& bar = bars[static_cast<std::size_t>((row.month - 1) / 12 / yearsPerBar)];
    bar.interest = std::min(bar.interest + row.interest, DBL_MAX);
    bar.principal = std::min(bar.principal + row.principal, DBL_MAX);
  }
  return bars;
}

std::string Rect(double x, double width, double top, double bottom) {
  return "<rect x=\"" + At(x) + "\" y=\"" + At(top) + "\" width=\"" + At(width) + "\" height=\"" +
         At(bottom - top) + "\"/>\n";
}

// Interest at the foot of each bar, the principal repaid on top of it.
std::string BarRects(const std::vector<Bar>& bars, const RoundTicks& ticks, int years) {
  std::string interest = "<g fill=\"" + std::string(kInterestColour) + "\">\n";
  std::string principal = "<g fill=\"" + std::string(kPrincipalColour) + "\">\n";
  for (const Bar& bar : bars) {
    const double left = YearX(bar.firstYear, years);
    const double width = YearX(bar.lastYear, years) - left;
    const double gap = width * 0.15;
    const double interestTop = Height(bar.interest, ticks, kBarsTop, kBarsBottom);
    const double top = Height(bar.paid(), ticks, kBarsTop, kBarsBottom);
    interest += Rect(left + gap, width - 2 * gap, interestTop, kBarsBottom);
    principal += Rect(left + gap, width - 2 * gap, top, interestTop);
  }
  return interest + "</g>\n" + principal + "</g>\n";
}

std::string YearsText(int years) {
  return std::to_string(years) + (years == 1 ? " year" : " years");
}

std::string Bars(const Amortization& table, const Separators& separators) {
  const int yearsPerBar = YearsPerBar(table.years);
  const std::vector<Bar> bars = YearBars(table, yearsPerBar);
  double highest = 0;
  for (const Bar& bar : bars) highest = std::max(highest, bar.paid());
  const RoundTicks ticks = RoundTicksFor(highest, 5);
  const std::string heading =
      yearsPerBar == 1 ? "Paid each year" : "Paid in each " + YearsText(yearsPerBar);
  return ValueAxis(ticks, kBarsTop, kBarsBottom, heading, separators) +
         BarRects(bars, ticks, table.years);
}

std::string Swatch(double x, double y, const char* colour) {
  return "<rect x=\"" + At(x) + "\" y=\"" + At(y - 10) + "\" width=\"12\" height=\"12\" fill=\"" +
         colour + "\"/>\n";
}

std::string Legend(const Amortization& table) {
  const int yearsPerBar = YearsPerBar(table.years);
  constexpr double y = 616;
  std::string svg = "<path d=\"M" + At(kPlotLeft) + " " + At(y - 4) + "h24\" stroke=\"" +
                    kBalanceColour + "\" stroke-width=\"2.5\"/>\n";
  svg += Text(kPlotLeft + 30, y, "Principal still owed");
  svg += Swatch(kPlotLeft + 190, y, kInterestColour);
  svg += Text(kPlotLeft + 208, y, "Interest");
  svg += Swatch(kPlotLeft + 290, y, kPrincipalColour);
  svg += Text(kPlotLeft + 308, y, "Principal repaid");
  const int lastBarYears = table.years - (table.years - 1) / yearsPerBar * yearsPerBar;
  std::string bars = "Each bar: " + YearsText(yearsPerBar);
  if (lastBarYears != yearsPerBar) bars += ", the last " + YearsText(lastBarYears);
  svg += Text(kPlotRight, y, bars, " text-anchor=\"end\"");
  return svg;
}

std::string Description(const Amortization& table, const ScheduleSummary& summary,
                        const Separators& separators) {
  return "The principal still owed falls from " +
         FormatWithPattern(table.principal, pattern::kBalance, separators) + " to " +
         FormatWithPattern(table.rows.back().balance, pattern::kBalance, separators) + " over " +
         summary.payments + " monthly payments of " + summary.payment +
         ". Bars show what the payments went to: " + summary.totalInterest +
         " interest in all, of " + summary.totalPaid + " paid.";
}

}  // namespace

std::string ScheduleChart(const Amortization& table, const ScheduleSummary& summary,
                          const Separators& separators) {
  const std::string title = AmortizationTitle(table, separators);
  const std::string width = std::to_string(kWidth);
  const std::string height = std::to_string(kHeight);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 " +
                    width + " " + height + "\" width=\"" + width + "\" height=\"" + height +
                    "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" "
                    "font-size=\"12\" fill=\"#1a1a1a\">\n";
  svg += "<title>" + MarkupText(title) + "</title>\n";
  svg += "<desc>" + MarkupText(Description(table, summary, separators)) + "</desc>\n";
  svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n";
  svg +=
      Text(kWidth / 2, 32, title, " text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\"");
  const RoundTicks owed = RoundTicksFor(table.principal, 5);
  svg += ValueAxis(owed, kBalanceTop, kBalanceBottom, "Principal still owed", separators);
  svg += BalancePaths(table, owed);
  svg += YearAxis(table.years, kBalanceTop, kBalanceBottom, separators);
  svg += Bars(table, separators);
  svg += YearAxis(table.years, kBarsTop, kBarsBottom, separators);
  svg += Text(kPlotRight, kBarsBottom + 32, "Years", " text-anchor=\"end\"");
  svg += Legend(table);
  return svg + "</svg>\n";
}

std::string ScheduleChartFile(const Amortization& table, const ScheduleSummary& summary,
                              const Separators& separators) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + ScheduleChart(table, summary, separators);
}

}  // namespace sw
