#include "report/schedule_summary.h"

#include "numeric/display_pattern.h"
#include "report/shown_cents_total.h"

namespace sw {

ScheduleSummary SummaryOf(const Amortization& table, const Separators& separators) {
  ShownCentsTotal interest;
  ShownCentsTotal principal;
  for (const AmortizationRow& row : table.rows) {
    interest.add(row.interest);
    principal.add(row.principal);
  }
  ShownCentsTotal paid = interest;
  paid.add(principal);
  return {FormatWithPattern(table.payment, pattern::kPayment, separators),
          std::to_string(table.rows.size()), paid.text(separators), interest.text(separators),
          paid.isZero()};
}

}  // namespace sw
