#include "report/amortization_report.h"

#include <cstring>

#include "numeric/display_pattern.h"

namespace sw {
namespace {

constexpr DisplayPattern kMonth{pattern::kMonthNumber};
constexpr DisplayPattern kInterest{pattern::kMonthlyInterest};
constexpr DisplayPattern kPrincipalPart{pattern::kMonthlyPrincipal};
constexpr DisplayPattern kBalance{pattern::kBalance};
constexpr std::string_view kGap = "  ";

char* WriteGap(char* out) {
  std::memcpy(out, kGap.data(), kGap.size());
  return out + kGap.size();
}

std::size_t LongestRow(const Separators& separators) {
  return kMonth.maxLength(separators) + kInterest.maxLength(separators) +
         kPrincipalPart.maxLength(separators) + kBalance.maxLength(separators) +
         3 * kGap.size() + 1;
}

char* WriteRow(char* out, const AmortizationRow& row, const Separators& separators) {
  out = WriteWithPattern(out, row.month, kMonth, separators);
  out = WriteWithPattern(WriteGap(out), row.interest, kInterest, separators);
  out = WriteWithPattern(WriteGap(out), row.principal, kPrincipalPart, separators);
  out = WriteWithPattern(WriteGap(out), row.balance, kBalance, separators);
  *out++ = '\n';
  return out;
}

}  // namespace

std::string FormatAmortization(const Amortization& table, const Separators& separators) {
  constexpr std::size_t kTypicalRowLength = 48;
  std::string text;
  text.reserve(160 + table.rows.size() * kTypicalRowLength);
  text += "Amortization Table for ";
  text += FormatWithPattern(table.principal, pattern::kBalance, separators);
  text += " at ";
  text += FormatWithPattern(table.yearlyRate, pattern::kTitleRate, separators);
  text += "% for " + std::to_string(table.years) + " years\n";
  text += " #  Monthly  Monthly   Remaining\n";
  text += "    Interest Principal Principal\n";
  // Each row is written into one buffer long enough for any row, then
  // appended: no text is built per number.
  std::string row(LongestRow(separators), '\0');
  for (const AmortizationRow& month : table.rows) {
    text.append(row.data(), WriteRow(row.data(), month, separators));
  }
  return text;
}

}  // namespace sw
