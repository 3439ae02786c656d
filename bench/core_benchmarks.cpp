#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

#include "calculations/loan_fields.h"
#include "loan/amortization.h"
#include "loan/rate_search.h"
#include "numeric/calc_failure.h"
#include "numeric/growth_factor.h"
#include "report/amortization_report.h"
#include "report/schedule_chart.h"
#include "report/schedule_page.h"

namespace sw {
namespace {

void BM_GrowthFactorLongest(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GrowthFactor(0.00001, 32767));
}
BENCHMARK(BM_GrowthFactorLongest);

// The longest whole-year term: every trial costs 32760 multiplications.
// A payment of 0 needs 16 halving passes, 1000 and 1666 need more, and 5000
// lies beyond what a rate below overflow can reach, so the search fails.
double RateOrZero(double payment) {
  try {
    return InterestRate(100000, payment, 2730);
  } catch (const CalcFailure&) {
    return 0;
  }
}

void BM_InterestRateLongestTerm(benchmark::State& state) {
  const auto payment = static_cast<double>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(RateOrZero(payment));
}
BENCHMARK(BM_InterestRateLongestTerm)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(1666)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

void BM_AmortizationReportLargest(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(AmortizationReport("100000", "0.01", "2730"));
}
BENCHMARK(BM_AmortizationReportLargest)->Unit(benchmark::kMillisecond);

// The same text built the naive way: every row appended to a growing text
// that is copied each time, as a text box's text is when it is reassigned.
std::string NaiveReport(const Amortization& table) {
  const std::string whole = FormatAmortization(table);
  std::string text;
  std::size_t lineStart = 0;
  while (lineStart < whole.size()) {
    const std::size_t lineEnd = whole.find('\n', lineStart) + 1;
    text = text + whole.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd;
  }
  return text;
}

void BM_AmortizationReportLargestNaive(benchmark::State& state) {
  const auto table = std::get<Amortization>(ComputeAmortization("100000", "0.01", "2730"));
  for (auto _ : state) benchmark::DoNotOptimize(NaiveReport(table));
}
BENCHMARK(BM_AmortizationReportLargestNaive)->Unit(benchmark::kMillisecond);

const Amortization& LargestTable() {
  static const Amortization table =
      std::get<Amortization>(ComputeAmortization("100000", "0.01", "2730"));
  return table;
}

// Time per row of the table.
benchmark::Counter PerRow(const Amortization& table) {
  return benchmark::Counter(
      static_cast<double>(table.rows.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The report's rows, title and headers included.
void BM_ReportTextPerRow(benchmark::State& state) {
  const Amortization& table = LargestTable();
  for (auto _ : state) benchmark::DoNotOptimize(FormatAmortization(table));
  state.counters["per_row"] = PerRow(table);
}
BENCHMARK(BM_ReportTextPerRow)->Unit(benchmark::kMillisecond);

// The floor for the rows: the same four values written by the standard
// library at two decimals, without rounding rules, grouping or padding.
void BM_ToCharsPerRow(benchmark::State& state) {
  const Amortization& table = LargestTable();
  for (auto _ : state) {
    std::string text;
    text.reserve(table.rows.size() * 48);
    for (const AmortizationRow& row : table.rows) {
      char line[128];
      char* end = std::to_chars(line, line + sizeof line, row.month).ptr;
      for (const double value : {row.interest, row.principal, row.balance}) {
        *end++ = ' ';
        *end++ = ' ';
        end = std::to_chars(end, line + sizeof line, value, std::chars_format::fixed, 2).ptr;
      }
      *end++ = '\n';
      text.append(line, end);
    }
    benchmark::DoNotOptimize(text);
  }
  state.counters["per_row"] = PerRow(table);
}
BENCHMARK(BM_ToCharsPerRow)->Unit(benchmark::kMillisecond);

// What `schedule` prints for the largest table in each format, from the
// field texts on; bench/format_ratios.sh compares the chart and the page
// with the text.
std::string TextSchedule(const Amortization& table) { return FormatAmortization(table); }
std::string SvgSchedule(const Amortization& table) {
  return ScheduleChartFile(table, Separators{});
}
std::string HtmlSchedule(const Amortization& table) { return SchedulePage(table, Separators{}); }

void BM_ScheduleLargest(benchmark::State& state, std::string (*output)(const Amortization&)) {
  for (auto _ : state) {
    const auto table = std::get<Amortization>(ComputeAmortization("100000", "0.01", "2730"));
    benchmark::DoNotOptimize(output(table));
  }
}
BENCHMARK_CAPTURE(BM_ScheduleLargest, text, TextSchedule)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScheduleLargest, svg, SvgSchedule)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScheduleLargest, html, HtmlSchedule)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sw
