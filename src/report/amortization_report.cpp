#include "report/amortization_report.h"

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
  std::string row(LongestRow(separators), '\0');
  if (!table.rows.empty()) {
    // Room for every row as long as the first: later rows are seldom longer.
    const char* const firstEnd = WriteRow(row.data(), table.rows.front(), separators);
    text.reserve(text.size() + table.rows.size() * static_cast<std::size_t>(firstEnd - row.data()));
  }
  for (const AmortizationRow& month : table.rows) {
    text.append(row.data(), WriteRow(row.data(), month, separators));
  }
  return text;
}

}  // namespace sw
