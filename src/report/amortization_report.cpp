#include "report/amortization_report.h"

#include <algorithm>
#include <cstring>

#include "numeric/display_pattern.h"

namespace sw {
namespace {

constexpr std::string_view kGap = "  ";

char* WriteGap(char* out) {
  std::memcpy(out, kGap.data(), kGap.size());
  return out + kGap.size();
}

std::size_t LongestRow(const Separators& separators) {
  std::size_t length = (kRowPatterns.size() - 1) * kGap.size() + 1;
  for (const DisplayPattern& column : kRowPatterns) length += column.maxLength(separators);
  return length;
}

char* WriteRow(char* out, const AmortizationRow& row, const Separators& separators) {
  const std::array<double, kReportColumns> numbers = RowNumbers(row);
  out = WriteWithPattern(out, numbers[kMonthColumn], kRowPatterns[kMonthColumn], separators);
  for (std::size_t column = kMonthColumn + 1; column < kReportColumns; ++column) {
    out = WriteWithPattern(WriteGap(out), numbers[column], kRowPatterns[column], separators);
  }
  *out++ = '\n';
  return out;
}

}  // namespace

std::size_t LongestNumbers(const Amortization& table, const Separators& separators) {
  if (table.rows.empty()) return 0;
  const std::array<double, kReportColumns> first = RowNumbers(table.rows.front());
  const std::array<double, kReportColumns> last = RowNumbers(table.rows.back());
  std::size_t length = 0;
  for (std::size_t column = 0; column < kReportColumns; ++column) {
    const DisplayPattern& pattern = kRowPatterns[column];
    length += std::max(FormatWithPattern(first[column], pattern, separators).size(),
                       FormatWithPattern(last[column], pattern, separators).size());
  }
  return length;
}

std::string AmortizationTitle(const Amortization& table, const Separators& separators) {
  return "Amortization Table for " +
         FormatWithPattern(table.principal, pattern::kBalance, separators) + " at " +
         FormatWithPattern(table.yearlyRate, pattern::kTitleRate, separators) + "% for " +
         std::to_string(table.years) + " years";
}

std::string FormatAmortization(const Amortization& table, const Separators& separators) {
  std::string text = AmortizationTitle(table, separators) + "\n";
  text += " #  Monthly  Monthly   Remaining\n";
  text += "    Interest Principal Principal\n";
  // Each row is written into one buffer long enough for any row, then
  // appended: no text is built per number.
  const std::size_t between = (kReportColumns - 1) * kGap.size() + 1;
  text.reserve(text.size() + table.rows.size() * (LongestNumbers(table, separators) + between));
  std::string row(LongestRow(separators), '\0');
  for (const AmortizationRow& month : table.rows) {
    text.append(row.data(), WriteRow(row.data(), month, separators));
  }
  return text;
}

}  // namespace sw
