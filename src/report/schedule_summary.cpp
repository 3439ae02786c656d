#include "report/schedule_summary.h"

#include "numeric/display_pattern.h"
#include "report/amortization_report.h"

namespace sw {

ScheduleSummary SummaryOf(const Amortization& table, const ColumnTotals& totals,
                          const Separators& separators) {
  ShownCentsTotal paid = totals.interest;
  paid.add(totals.principal);
  return {FormatWithPattern(table.payment, pattern::kPayment, separators),
          std::to_string(table.rows.size()), paid.text(separators),
          totals.interest.text(separators)};
}

ScheduleSummary SummaryOf(const Amortization& table, const Separators& separators) {
  std::string shown(
      std::max(kRowPatterns[1].maxLength(separators), kRowPatterns[2].maxLength(separators)), '\0');
  ColumnTotals totals;
  const auto shownText = [&](double value, const DisplayPattern& pattern) {
    const char* end = WriteWithPattern(shown.data(), value, pattern, separators);
    return std::string_view(shown.data(), static_cast<std::size_t>(end - shown.data()));
  };
  for (const AmortizationRow& row : table.rows) {
    totals.interest.add(shownText(row.interest, kRowPatterns[1]), separators);
    totals.principal.add(shownText(row.principal, kRowPatterns[2]), separators);
  }
  return SummaryOf(table, totals, separators);
}

}  // namespace sw
