#include "report/schedule_chart.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/display_pattern.h"
#include "numeric/shown_decimal.h"
#include "report/amortization_report.h"
#include "report/chart_text.h"
#include "report/markup_text.h"
#include "report/round_ticks.h"
#include "report/year_bars.h"

namespace sw {
namespace {

// Where the chart draws, in the picture's units (pixels unscaled). Value
// labels wider than the margin left of the plots move the plots right and
// widen the picture by as much; a title wider than the picture is wrapped,
// and its further lines move everything under it down.
constexpr int kWidth = 800;
constexpr int kHeight = 640;
constexpr double kPlotLeft = 110;
constexpr double kPlotRight = 770;
constexpr double kBalanceTop = 70;
constexpr double kBalanceBottom = 290;
constexpr double kBarsTop = 370;
constexpr double kBarsBottom = 560;
constexpr const char* kBalanceColour = "#08306b";
constexpr const char* kInterestColour = "#b35806";   // dark: tells apart in grey too
constexpr const char* kPrincipalColour = "#9ecae1";  // light
constexpr const char* kAreaColour = "#deebf7";
constexpr const char* kGridColour = "#d9d9d9";
constexpr const char* kAxisColour = "#404040";
constexpr double kPlotWidth = kPlotRight - kPlotLeft;
constexpr double kRightMargin = kWidth - kPlotRight;
constexpr double kLabelSize = 12;
constexpr double kLabelGap = 8;  // between a value label and its plot
constexpr double kTitleSize = 16;
constexpr double kTitleLine = 20;
constexpr double kTitleBand = 44;  // above the plots' headings
constexpr double kNoteLine = 16;
constexpr int kAmountDecimals = 2;

// A whole number of pixels, as a picture's size is written.
std::string Whole(double pixels) { return std::to_string(static_cast<long long>(pixels)); }

// The plots' place across the picture.
struct Frame {
  double left;
  double right;
  double width;  // of the picture
};

// A vertical axis: its ticks and their labels.
struct ValueAxis {
  RoundTicks ticks;
  std::vector<std::string> labels;
};

std::string Label(double value, int decimals, const Separators& separators) {
  std::string picture = "#,##0";
  if (decimals > 0) picture.append(1, '.').append(static_cast<std::size_t>(decimals), '0');
  return FormatWithPattern(value, picture, separators);
}

ValueAxis AmountAxis(double highest, const Separators& separators) {
  ValueAxis axis{RoundTicksFor(highest, 5, kAmountDecimals), {}};
  for (int tick = 0; tick <= axis.ticks.count; ++tick) {
    axis.labels.push_back(Label(axis.ticks.at(tick), axis.ticks.decimals, separators));
  }
  return axis;
}

// The plots start right of the widest label, and never further left than
// the usual margin.
Frame FrameFor(const ValueAxis& balance, const ValueAxis& bars) {
  double widest = 0;
  for (const ValueAxis* axis : {&balance, &bars}) {
    for (const std::string& label : axis->labels) {
      widest = std::max(widest, TextWidth(label, kLabelSize));
    }
  }
  // A label's size of room is left at the picture's edge.
  const double left = std::max(kPlotLeft, std::ceil(widest + kLabelGap + kLabelSize));
  return {left, left + kPlotWidth, left + kPlotWidth + kRightMargin};
}

// Where `value` lies on a vertical axis from `bottom` (zero) to `top`
// (the top tick), kept inside the plot.
double Height(double value, const RoundTicks& ticks, double top, double bottom) {
  return bottom - std::clamp(value / ticks.top, 0.0, 1.0) * (bottom - top);
}

// Grid lines and labels of a vertical axis, and its heading above the plot.
std::string AxisLines(const ValueAxis& axis, const Frame& frame, double top, double bottom,
                      const std::string& heading) {
  std::string svg = SvgText(frame.left, top - 12, heading, " font-weight=\"bold\"");
  for (int tick = 0; tick <= axis.ticks.count; ++tick) {
    const double y = Height(axis.ticks.at(tick), axis.ticks, top, bottom);
    svg += "<line x1=\"" + At(frame.left) + "\" x2=\"" + At(frame.right) + "\" y1=\"" + At(y) +
           "\" y2=\"" + At(y) + "\" stroke=\"" + kGridColour + "\"/>\n";
    svg += SvgText(frame.left - kLabelGap, y + 4, axis.labels[static_cast<std::size_t>(tick)],
                   " text-anchor=\"end\"");
  }
  return svg;
}

double YearX(double years, int allYears, const Frame& frame) {
  return frame.left + years / allYears * kPlotWidth;
}

// Year labels under a plot, its axis lines and their name.
std::string YearAxis(int years, const Frame& frame, double top, double bottom,
                     const Separators& separators) {
  const RoundTicks ticks = RoundTicksFor(std::max(years, 5), 10, 1);
  std::string svg = "<path d=\"M" + At(frame.left) + " " + At(top) + "V" + At(bottom) + "H" +
                    At(frame.right) + "\" fill=\"none\" stroke=\"" + kAxisColour + "\"/>\n";
  for (int tick = 0; ticks.at(tick) <= years; ++tick) {
    svg += SvgText(YearX(ticks.at(tick), years, frame), bottom + 16,
                   Label(ticks.at(tick), ticks.decimals, separators), " text-anchor=\"middle\"");
  }
  return svg + SvgText(frame.right, bottom + 32, "Years", " text-anchor=\"end\"");
}

// In place of a plot whose amounts all show as 0.00.
std::string ZeroNote(std::string_view what, const Frame& frame, double top, double bottom,
                     const Separators& separators) {
  return SvgText((frame.left + frame.right) / 2, (top + bottom) / 2,
                 "Every " + std::string(what) + " rounds to " +
                     FormatWithPattern(0.0, pattern::kBalance, separators),
                 " text-anchor=\"middle\"");
}

// The balance at the start and after each month, through at most one point
// per plot column; the first and last are always drawn.
std::string BalancePaths(const Amortization& table, const RoundTicks& ticks, const Frame& frame) {
  const std::size_t months = table.rows.size();
  const auto balanceAt = [&table](std::size_t month) {
    return month == 0 ? table.principal : table.rows[month - 1].balance;
  };
  const std::size_t columns = std::min(months, static_cast<std::size_t>(kPlotWidth));
  std::string line;
  for (std::size_t column = 0; column <= columns; ++column) {
    const std::size_t month = column * months / columns;
    line += column == 0 ? 'M' : 'L';
    line += At(frame.left + kPlotWidth * month / months);
    line += ' ';
    line += At(Height(balanceAt(month), ticks, kBalanceTop, kBalanceBottom));
  }
  const std::string area = line + "L" + At(frame.right) + " " + At(kBalanceBottom) + "L" +
                           At(frame.left) + " " + At(kBalanceBottom) + "Z";
  return "<path d=\"" + area + "\" fill=\"" + kAreaColour + "\"/>\n<path d=\"" + line +
         "\" fill=\"none\" stroke=\"" + kBalanceColour +
         "\" stroke-width=\"2.5\" stroke-linejoin=\"round\"/>\n";
}

std::string Balance(const Amortization& table, const Frame& frame, const ValueAxis& axis,
                    const Separators& separators) {
  std::string svg = AxisLines(axis, frame, kBalanceTop, kBalanceBottom, "Principal still owed");
  // The principal is the largest balance.
  if (ShownDecimal(table.principal, kAmountDecimals).digits == 0) {
    svg += ZeroNote("balance", frame, kBalanceTop, kBalanceBottom, separators);
  } else {
    svg += BalancePaths(table, axis.ticks, frame);
  }
  return svg + YearAxis(table.years, frame, kBalanceTop, kBalanceBottom, separators);
}

std::string Rect(double x, double width, double top, double bottom) {
  return "<rect x=\"" + At(x) + "\" y=\"" + At(top) + "\" width=\"" + At(width) + "\" height=\"" +
         At(bottom - top) + "\"/>\n";
}

// Interest at the foot of each bar, the principal repaid on top of it.
std::string BarRects(const std::vector<YearBar>& bars, const RoundTicks& ticks, int years,
                     const Frame& frame) {
  std::string interest = "<g fill=\"" + std::string(kInterestColour) + "\">\n";
  std::string principal = "<g fill=\"" + std::string(kPrincipalColour) + "\">\n";
  for (const YearBar& bar : bars) {
    const double left = YearX(bar.firstYear, years, frame);
    const double width = YearX(bar.lastYear, years, frame) - left;
    const double gap = width * 0.15;
    const double interestTop = Height(bar.interest, ticks, kBarsTop, kBarsBottom);
    const double top = Height(bar.paid(), ticks, kBarsTop, kBarsBottom);
    interest += Rect(left + gap, width - 2 * gap, interestTop, kBarsBottom);
    principal += Rect(left + gap, width - 2 * gap, top, interestTop);
  }
  return interest + "</g>\n" + principal + "</g>\n";
}

double HighestBar(const std::vector<YearBar>& bars) {
  double highest = 0;
  for (const YearBar& bar : bars) highest = std::max(highest, bar.paid());
  return highest;
}

std::string Bars(const Amortization& table, const ScheduleSummary& summary,
                 const std::vector<YearBar>& bars, const Frame& frame, const ValueAxis& axis,
                 const Separators& separators) {
  std::string svg = AxisLines(axis, frame, kBarsTop, kBarsBottom, BarHeading(table.years));
  if (summary.paidShowsZero) {
    svg += ZeroNote("payment", frame, kBarsTop, kBarsBottom, separators);
  } else {
    svg += BarRects(bars, axis.ticks, table.years, frame);
  }
  return svg + YearAxis(table.years, frame, kBarsTop, kBarsBottom, separators);
}

std::string Swatch(double x, double y, const char* colour) {
  return "<rect x=\"" + At(x) + "\" y=\"" + At(y - 10) + "\" width=\"12\" height=\"12\" fill=\"" +
         colour + "\"/>\n";
}

std::string Legend(const Amortization& table, const Frame& frame) {
  constexpr double y = 616;
  std::string svg = "<path d=\"M" + At(frame.left) + " " + At(y - 4) + "h24\" stroke=\"" +
                    kBalanceColour + "\" stroke-width=\"2.5\"/>\n";
  svg += SvgText(frame.left + 30, y, "Principal still owed");
  svg += Swatch(frame.left + 190, y, kInterestColour);
  svg += SvgText(frame.left + 208, y, "Interest");
  svg += Swatch(frame.left + 290, y, kPrincipalColour);
  svg += SvgText(frame.left + 308, y, "Principal repaid");
  return svg + SvgText(frame.right, y, BarLegend(table.years), " text-anchor=\"end\"");
}

std::string Description(const Amortization& table, const ScheduleSummary& summary,
                        const Separators& separators) {
  std::string text = "The principal still owed " +
                     std::string(summary.endsAtZero ? "falls" : "goes") + " from " +
                     FormatWithPattern(table.principal, pattern::kBalance, separators) + " to " +
                     summary.lastBalance + " over " + summary.payments + " monthly payments of " +
                     summary.payment + ". ";
  if (!summary.endsAtZero) text += EndBalanceNote(summary, separators) + " ";
  return text + "Bars show what the payments went to: " + summary.totalInterest +
         " interest in all, of " + summary.totalPaid + " paid.";
}

// Lines of text centred under the legend, each no wider than the picture
// less its margins.
std::vector<std::string> NoteLines(const ScheduleSummary& summary, const Frame& frame,
                                   const Separators& separators) {
  if (summary.endsAtZero) return {};
  return WrappedLines("The balance after the last payment is " + summary.lastBalance + ", not " +
                          FormatWithPattern(0.0, pattern::kBalance, separators) + ".",
                      kLabelSize, true, frame.width - 2 * kRightMargin, separators.grouping);
}

std::string Notes(const std::vector<std::string>& lines, const Frame& frame) {
  std::string svg;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    svg += SvgText(frame.width / 2, kHeight + kNoteLine * static_cast<double>(line), lines[line],
                   " text-anchor=\"middle\" font-weight=\"bold\"");
  }
  return svg;
}

// The title's lines, centred, each no wider than the picture less its margins.
std::string TitleLines(const std::vector<std::string>& lines, const Frame& frame) {
  std::string svg;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    svg += SvgText(frame.width / 2, 32 + kTitleLine * static_cast<double>(line), lines[line],
                   " text-anchor=\"middle\" font-size=\"16\" font-weight=\"bold\"");
  }
  return svg;
}

// The <svg> start tag of a picture showing the drawing from `top` down,
// the <title> and <desc> that screen readers read first, and the white
// background.
std::string SvgStart(double top, double width, double height, const std::string& title,
                     const std::string& description) {
  const std::string size = Whole(width) + "\" height=\"" + Whole(height);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 " + Whole(top) +
         " " + Whole(width) + " " + Whole(height) + "\" width=\"" + size +
         "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" font-size=\"12\" "
         "fill=\"#1a1a1a\">\n<title>" +
         MarkupText(title) + "</title>\n<desc>" + MarkupText(description) + "</desc>\n<rect y=\"" +
         Whole(top) + "\" width=\"" + size + "\" fill=\"#ffffff\"/>\n";
}

std::string Plots(const Amortization& table, const ScheduleSummary& summary, const Frame& frame,
                  const ValueAxis& balance, const ValueAxis& paid, const std::vector<YearBar>& bars,
                  const Separators& separators) {
  return Balance(table, frame, balance, separators) +
         Bars(table, summary, bars, frame, paid, separators) + Legend(table, frame);
}

}  // namespace

std::string ScheduleChart(const Amortization& table, const ScheduleSummary& summary,
                          const Separators& separators, ChartTitle title) {
  const std::string titleText = AmortizationTitle(table, separators);
  const std::vector<YearBar> bars = YearBars(table);
  const ValueAxis balance = AmountAxis(table.principal, separators);
  const ValueAxis paid = AmountAxis(HighestBar(bars), separators);
  const Frame frame = FrameFor(balance, paid);
  const std::vector<std::string> lines =
      title == ChartTitle::kDrawn
          ? WrappedLines(titleText, kTitleSize, true, frame.width - 2 * kRightMargin,
                         separators.grouping)
          : std::vector<std::string>{};
  // Further title lines push the plots down; a left-out title leaves no band.
  const double shift = lines.empty() ? 0 : kTitleLine * static_cast<double>(lines.size() - 1);
  const double top = lines.empty() ? kTitleBand : 0;
  const std::vector<std::string> notes = NoteLines(summary, frame, separators);
  const double height = kHeight + shift + kNoteLine * static_cast<double>(notes.size()) - top;
  std::string svg =
      SvgStart(top, frame.width, height, titleText, Description(table, summary, separators));
  svg += TitleLines(lines, frame);
  const std::string plots =
      Plots(table, summary, frame, balance, paid, bars, separators) + Notes(notes, frame);
  if (shift == 0) return svg + plots + "</svg>\n";
  return svg + "<g transform=\"translate(0 " + At(shift) + ")\">\n" + plots + "</g>\n</svg>\n";
}

std::string ScheduleChartFile(const Amortization& table, const Separators& separators) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" +
         ScheduleChart(table, SummaryOf(table, separators), separators, ChartTitle::kDrawn);
}

}  // namespace sw
