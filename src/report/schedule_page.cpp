#include "report/schedule_page.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "numeric/display_pattern.h"
#include "report/amortization_report.h"
#include "report/markup_text.h"
#include "report/schedule_chart.h"
#include "report/schedule_summary.h"

namespace sw {
namespace {

// 15 mm margins leave the table inside both A4 and Letter paper. Cells may
// break a number anywhere, which they do only where it would not fit: on a
// narrow screen or page, for amounts of dozens of digits.
constexpr std::string_view kStyle = R"(<style>
:root { color-scheme: light dark; --text: #1a1a1a; --page: #ffffff; --rule: #d0d0d0; --band: #f3f6fa; }
@media (prefers-color-scheme: dark) {
  :root { --text: #e8e8e8; --page: #181a1d; --rule: #4a4d52; --band: #23272c; }
}
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: var(--text);
  background: var(--page); margin: 2em auto; max-width: 52em; padding: 0 1em; }
h1 { font-size: 1.3em; }
.summary { border-collapse: collapse; margin: 1em 0; }
.summary th { text-align: left; font-weight: normal; padding: 0.2em 2em 0.2em 0; }
.summary td { text-align: right; font-weight: bold; }
.note { font-size: 0.9em; }
.warning { border-left: 4px solid #b35806; padding: 0.3em 0.8em; }
figure { margin: 1em 0; }
figure svg { width: 100%; height: auto; border-radius: 4px; }
.schedule { border-collapse: collapse; min-width: 70%; font-variant-numeric: tabular-nums; }
.schedule th, .schedule td { padding: 0.15em 1.2em; text-align: right; }
.schedule td { overflow-wrap: anywhere; }
.schedule thead th { border-bottom: 2px solid var(--text); vertical-align: bottom; }
.schedule tbody tr:nth-child(even) { background: var(--band); }
@media (max-width: 32em) {
  body { margin: 1em auto; padding: 0 0.5em; }
  .schedule th, .schedule td { padding: 0.15em 0.35em; }
}
@page { margin: 15mm; }
@media print {
  :root { --text: #000000; --page: #ffffff; --rule: #bbbbbb; --band: #ffffff; }
  body { margin: 0; max-width: none; padding: 0; font-size: 10pt; }
  figure { break-inside: avoid; }
  .schedule { break-before: page; }
  .schedule thead { display: table-header-group; }
  .schedule tr { break-inside: avoid; }
  .schedule tbody tr { border-bottom: 1px solid var(--rule); }
}
</style>
)";

// Indexed by ReportColumn.
constexpr std::array<std::string_view, kReportColumns> kColumnHeaders{
    "Month", "Interest", "Principal", "Principal still owed"};

std::string SummaryRow(std::string_view heading, const std::string& value) {
  return "<tr><th scope=\"row\">" + std::string(heading) + "</th><td>" + MarkupText(value) +
         "</td></tr>\n";
}

std::string SummaryTable(const ScheduleSummary& summary) {
  return "<table class=\"summary\">\n" + SummaryRow("Monthly payment", summary.payment) +
         SummaryRow("Number of payments", summary.payments) +
         SummaryRow("Principal repaid", summary.principalRepaid) +
         SummaryRow("Total interest", summary.totalInterest) +
         SummaryRow("Total paid", summary.totalPaid) + "</table>\n";
}

// Why the principal repaid may not match the principal: rounding row by
// row, or a last balance that does not show as 0.00.
std::string SummaryNote(const ScheduleSummary& summary, const Separators& separators) {
  if (!summary.endsAtZero) {
    return "<p class=\"warning\">" + MarkupText(EndBalanceNote(summary, separators)) + "</p>\n";
  }
  return "<p class=\"note\">Each month is rounded to the cent on its own, so the principal "
         "repaid may differ from the amount borrowed by a few cents.</p>\n";
}

char* Append(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

constexpr std::string_view kRowStart = "<tr>";
constexpr std::string_view kRowEnd = "</tr>\n";
constexpr std::string_view kCellStart = "<td>";
constexpr std::string_view kCellEnd = "</td>";

// Writes a row of the table into `out` and returns its end. Each number is
// written once, straight into the markup: digits and signs need no
// escaping, and the separators come escaped.
char* WriteTableRow(char* out, const AmortizationRow& month, const Separators& markup) {
  out = Append(out, kRowStart);
  const std::array<double, kReportColumns> numbers = RowNumbers(month);
  for (std::size_t column = 0; column < kReportColumns; ++column) {
    char* const cell = Append(out, kCellStart);
    out = Append(WriteWithPattern(cell, numbers[column], kRowPatterns[column], markup), kCellEnd);
  }
  return Append(out, kRowEnd);
}

void AppendTableRows(std::string& page, const Amortization& table, const Separators& separators) {
  const Separators markup{MarkupText(separators.grouping), MarkupText(separators.decimal)};
  const std::size_t tags =
      kRowStart.size() + kRowEnd.size() + kReportColumns * (kCellStart.size() + kCellEnd.size());
  std::size_t longest = tags;
  for (const DisplayPattern& column : kRowPatterns) longest += column.maxLength(markup);
  // Room for the rows and for the end of the page.
  constexpr std::size_t kPageEnd = 64;
  page.reserve(page.size() + table.rows.size() * (LongestNumbers(table, markup) + tags) + kPageEnd);
  std::string row(longest, '\0');
  for (const AmortizationRow& month : table.rows) {
    page.append(row.data(), WriteTableRow(row.data(), month, markup));
  }
}

std::string TableHead() {
  std::string head = "<thead><tr>";
  for (const std::string_view header : kColumnHeaders) {
    head += "<th scope=\"col\">" + std::string(header) + "</th>";
  }
  return head + "</tr></thead>\n";
}

}  // namespace

std::string SchedulePage(const Amortization& table, const Separators& separators) {
  const std::string title = MarkupText(AmortizationTitle(table, separators));
  std::string page =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
      "<meta charset=\"utf-8\"/>\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n<title>";
  page += title;
  page += "</title>\n";
  page += kStyle;
  page += "</head>\n<body>\n<h1>" + title + "</h1>\n";
  const ScheduleSummary summary = SummaryOf(table, separators);
  page += SummaryTable(summary) + SummaryNote(summary, separators) + "<figure>\n" +
          ScheduleChart(table, summary, separators, ChartTitle::kLeftOut) + "</figure>\n";
  page += "<table class=\"schedule\">\n<caption>Month by month</caption>\n" + TableHead();
  page += "<tbody>\n";
  AppendTableRows(page, table, separators);
  page += "</tbody>\n</table>\n</body>\n</html>\n";
  return page;
}

}  // namespace sw
