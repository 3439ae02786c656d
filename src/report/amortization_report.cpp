#include "report/amortization_report.h"

#include "numeric/display_pattern.h"

namespace sw {
namespace {

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += kReportLineBreak;
}

void AppendRow(std::string& text, const AmortizationRow& row, const Separators& separators) {
  text += FormatWithPattern(row.month, pattern::kMonthNumber, separators);
  text += "  ";
  text += FormatWithPattern(row.interest, pattern::kMonthlyInterest, separators);
  text += "  ";
  text += FormatWithPattern(row.principal, pattern::kMonthlyPrincipal, separators);
  text += "  ";
  text += FormatWithPattern(row.balance, pattern::kBalance, separators);
  text += kReportLineBreak;
}

}  // namespace

std::string FormatAmortization(const Amortization& table, const Separators& separators) {
  constexpr std::size_t kTypicalRowLength = 48;
  std::string text;
  text.reserve(160 + table.rows.size() * kTypicalRowLength);
  AppendLine(text, "Amortization Table for " +
                       FormatWithPattern(table.principal, pattern::kBalance, separators) + " at " +
                       FormatWithPattern(table.yearlyRate, pattern::kTitleRate, separators) +
                       "% for " + std::to_string(table.years) + " years");
  AppendLine(text, " #  Monthly  Monthly   Remaining");
  AppendLine(text, "    Interest Principal Principal");
  for (const AmortizationRow& row : table.rows) AppendRow(text, row, separators);
  return text;
}

}  // namespace sw
