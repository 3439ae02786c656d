#include <gtest/gtest.h>

#include <cfloat>
#include <regex>
#include <string>
#include <vector>

#include "case_name.h"
#include "loan/amortization.h"
#include "report/amortization_report.h"
#include "report/markup_text.h"
#include "report/round_ticks.h"
#include "report/schedule_chart.h"
#include "report/schedule_page.h"
#include "report/shown_cents_total.h"
#include "report/year_bars.h"
#include "tested_locales.h"

namespace sw {
namespace {

std::size_t Count(const std::string& text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

struct CentsCase {
  const char* name;
  std::vector<double> amounts;
  Separators separators;
  std::string total;
};

class ShownCents : public testing::TestWithParam<CentsCase> {};

TEST_P(ShownCents, AddsTheCentsShown) {
  ShownCentsTotal total;
  for (const double amount : GetParam().amounts) total.add(amount);
  EXPECT_EQ(total.text(GetParam().separators), GetParam().total);
}

const Separators kUngrouped{"", "."};

INSTANTIATE_TEST_SUITE_P(
    Totals, ShownCents,
    testing::Values(
        CentsCase{"Nothing", {}, {}, "0.00"}, CentsCase{"LeadingZeros", {5.39, 0.47}, {}, "5.86"},
        // Halves round away from zero as read to fifteen digits: 1.005 is
        // stored a hair below its half, 2.675 too.
        CentsCase{"HalfCents", {0.005, 1.005, 2.675}, {}, "3.70"},
        CentsCase{"SignsLeftOut", {-0.53, 1}, {}, "1.53"},
        CentsCase{"BelowHalfACent", {0.00499999, 1e-300}, {}, "0.00"},
        CentsCase{"CarryIntoNewGroups", {999999.99, 0.01}, {}, "1,000,000.00"},
        CentsCase{"FrenchGrouping",
                  {1234.56, 1000.44},
                  test::kFrench,
                  "2\xC2\xA0"
                  "235,00"},
        // As the page writes it.
        CentsCase{"SwissMarkup", {9194.93, 1805.07}, {"&#39;", "."}, "11&#39;000.00"},
        CentsCase{"ZerosInTheLowestPart",
                  {1e20},
                  kUngrouped,
                  std::string("1").append(20, '0').append(".00")},
        CentsCase{
            "DigitsAcrossTwoParts", {123456789012345e3, 0.01}, {}, "123,456,789,012,345,000.01"},
        // Past any integer type: twice the largest fifteen-digit decimal.
        CentsCase{"NearTheLargestDouble",
                  {DBL_MAX, DBL_MAX},
                  kUngrouped,
                  std::string("359538626972462").append(294, '0').append(".00")}),
    CaseName{});

struct TicksCase {
  const char* name;
  double highest;
  int most;
  int mostDecimals;
  double step;
  int count;
  int decimals;
  double top;
};

class Ticks : public testing::TestWithParam<TicksCase> {};

TEST_P(Ticks, AreRoundAndReachTheHighest) {
  const auto& [name, highest, most, mostDecimals, step, count, decimals, top] = GetParam();
  const RoundTicks ticks = RoundTicksFor(highest, most, mostDecimals);
  EXPECT_EQ(ticks.step, step);
  EXPECT_EQ(ticks.count, count);
  EXPECT_EQ(ticks.decimals, decimals);
  EXPECT_EQ(ticks.top, top);
  EXPECT_EQ(ticks.at(count), top);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, Ticks,
    testing::Values(TicksCase{"ExactTop", 100000, 5, 2, 20000, 5, 0, 100000},
                    TicksCase{"YearOfPayments", 7194.6, 5, 2, 2000, 4, 0, 8000},
                    TicksCase{"ThirtyYears", 30, 10, 1, 5, 6, 0, 30},
                    TicksCase{"HairAboveAMultipleOfFive", 30.000000000001, 10, 1, 5, 6, 0, 30},
                    TicksCase{"Cents", 0.37, 5, 2, 0.1, 4, 1, 0.4},
                    // Never finer than a cent, however small the amounts.
                    TicksCase{"BelowACent", 1e-300, 5, 2, 0.01, 1, 2, 0.01},
                    TicksCase{"Nothing", 0, 5, 2, 0.01, 1, 2, 0.01},
                    // No round value above it is a double: it is the top
                    // itself, the round ticks half a step or more below.
                    TicksCase{"NearTheLargestDouble", 1.7e308, 5, 2, 5e307, 3, 0, 1.7e308},
                    TicksCase{"LargestDouble", DBL_MAX, 5, 2, 5e307, 4, 0, DBL_MAX}),
    CaseName{});

TEST(MarkupText, EscapesWhatMarkupReads) {
  EXPECT_EQ(MarkupText("9'194.93 <a & \"b\"> \xC2\xA0"),
            "9&#39;194.93 &lt;a &amp; &quot;b&quot;&gt; \xC2\xA0");
}

// The table's cells in order, as markup.
std::vector<std::string> Cells(const std::string& page) {
  std::vector<std::string> cells;
  const std::string start = "<td>";
  for (auto at = page.find(start, page.find("<tbody>")); at != std::string::npos;
       at = page.find(start, at + 1)) {
    cells.push_back(page.substr(at + start.size(), page.find("</td>", at) - at - start.size()));
  }
  return cells;
}

// The report's rows split at their two-blank gaps, as markup.
std::vector<std::string> ReportFields(const std::string& report) {
  std::vector<std::string> fields;
  std::size_t line = 0;
  for (std::size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos; at = end + 1) {
    if (line++ < 3) continue;
    for (std::size_t field = at, gap; field < end; field = gap + 2) {
      gap = std::min(report.find("  ", field), end);
      fields.push_back(MarkupText(report.substr(field, gap - field)));
    }
  }
  return fields;
}

TEST(SchedulePage, HoldsTheReportsDigitsInEveryLocale) {
  const Amortization table = AmortizationSchedule(123456.78, 9.25, 25);
  for (const Separators& separators : test::kTestedLocales) {
    EXPECT_EQ(Cells(SchedulePage(table, separators)),
              ReportFields(FormatAmortization(table, separators)))
        << separators.grouping;
  }
}

struct PageCase {
  const char* name;
  double principal;
  double rate;
  std::int16_t years;
  std::string principalRepaid;
  std::string lastBalance;  // empty where it shows as 0.00
};

class Page : public testing::TestWithParam<PageCase> {};

// The title is shown once, above the chart; the totals add up as written,
// and a schedule that does not end at 0.00 says so where the rounding note
// would stand.
TEST_P(Page, SaysWhatItsTotalsAndLastBalanceMean) {
  const auto& [name, principal, rate, years, principalRepaid, lastBalance] = GetParam();
  const Amortization table = AmortizationSchedule(principal, rate, years);
  const std::string page = SchedulePage(table, Separators{});
  EXPECT_EQ(Count(page, "<h1>" + AmortizationTitle(table) + "</h1>"), 1u);
  EXPECT_EQ(Count(page, AmortizationTitle(table) + "</text>"), 0u);
  EXPECT_EQ(Count(page, "Principal repaid</th><td>" + principalRepaid + "</td>"), 1u);
  EXPECT_EQ(Count(page, lastBalance.empty() ? "<p class=\"note\">Each month is rounded"
                                            : "<p class=\"warning\">The schedule does not end "
                                              "at 0.00: the balance after the last payment is " +
                                                  lastBalance + "."),
            1u);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, Page,
    testing::Values(PageCase{"ThirtyYears", 100000, 6, 30, "99,999.92", ""},
                    PageCase{"FourHundredYears", 250000, 6.5, 400, "249,988.90", "10.33"},
                    PageCase{"NeverFalls", 250000, 6.5, 500, "0.00", "250,000.00"},
                    PageCase{"Overpaid", 1e12, 6, 30, "1,000,000,000,000.03", "-0.04"}),
    CaseName{});

// "lead" and as many groups of three zeros.
std::string Thousands(const std::string& lead, std::size_t groups) {
  std::string text = lead;
  for (std::size_t group = 0; group < groups; ++group) text += ",000";
  return text;
}

struct ChartCase {
  const char* name;
  double principal;
  double rate;
  std::int16_t years;
  std::size_t bars;
  std::string size;                // of the viewBox
  std::vector<std::string> texts;  // among the texts drawn
};

class Chart : public testing::TestWithParam<ChartCase> {};

// Every chart: a title and a description for screen readers, a viewBox
// wide enough for its labels, at most 60 bars, each of two parts, both
// axes of years named, and a file far smaller than the table.
TEST_P(Chart, IsSmallAndLabelsWhatItDraws) {
  const auto& [name, principal, rate, years, bars, size, texts] = GetParam();
  const Amortization table = AmortizationSchedule(principal, rate, years);
  const std::string svg = ScheduleChartFile(table, Separators{});
  EXPECT_LT(svg.size(), 150'000u);
  EXPECT_EQ(Count(svg, "<title>" + AmortizationTitle(table) + "</title>"), 1u);
  EXPECT_EQ(Count(svg, "<desc>"), 1u);
  EXPECT_EQ(Count(svg, "viewBox=\"0 0 " + size + "\""), 1u);
  // Two parts a bar, the background and two legend squares.
  EXPECT_EQ(Count(svg, "<rect "), 2 * bars + 3);
  EXPECT_EQ(Count(svg, ">Years</text>"), 2u);
  for (const std::string& text : texts) {
    EXPECT_NE(svg.find(">" + text + "</text>"), std::string::npos) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Terms, Chart,
    testing::Values(
        ChartCase{"OneYear", 10000, 7.5, 1, 1, "800 640", {"Paid each year", "Each bar: 1 year"}},
        ChartCase{"ThirtyYears", 100000, 6, 30, 30, "800 640", {"Each bar: 1 year"}},
        ChartCase{"SixtyOneYears",
                  100000,
                  6,
                  61,
                  31,
                  "800 640",
                  {"Paid in each 2-year span", "Each bar: 2 years, the last 1 year"}},
        ChartCase{"Longest",
                  100000,
                  0.01,
                  2730,
                  60,
                  "800 640",
                  {"Paid in each 46-year span", "Each bar: 46 years, the last 16 years"}},
        // The labels push the plots right and widen the picture; a line
        // under the legend says the last balance is not 0.00.
        ChartCase{"ThirteenDigits", 9999999999999, 6.5, 30, 30, "833 656", {Thousands("10", 4)}},
        // The top tick is the principal itself; the title takes two lines.
        ChartCase{"NearTheLargestDouble",
                  1.7e308,
                  0.01,
                  2730,
                  60,
                  "3475 676",
                  {Thousands("170", 102), "Paid in each 46-year span"}},
        // Every amount shows as 0.00: nothing drawn, the axes in cents.
        ChartCase{"BelowACent",
                  0.001,
                  6,
                  30,
                  0,
                  "800 640",
                  {"Every balance rounds to 0.00", "Every payment rounds to 0.00", "0.01"}},
        ChartCase{"NeverFalls",
                  250000,
                  6.5,
                  500,
                  56,
                  "800 656",
                  {"The balance after the last payment is 250,000.00, not 0.00."}}),
    CaseName{});

TEST(BarTexts, ReadRightForEveryTerm) {
  const std::string someYears = "(1 year|([2-9]|[1-9][0-9]+) years)";
  const std::regex heading("Paid (each year|in each ([2-9]|[1-9][0-9]+)-year span)");
  const std::regex legend("Each bar: " + someYears + "(, the last " + someYears + ")?");
  for (int years = 1; years <= 2730; ++years) {
    EXPECT_TRUE(std::regex_match(BarHeading(years), heading)) << BarHeading(years);
    EXPECT_TRUE(std::regex_match(BarLegend(years), legend)) << BarLegend(years);
  }
}

}  // namespace
}  // namespace sw
