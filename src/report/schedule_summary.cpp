#include "report/schedule_summary.h"

#include "numeric/display_pattern.h"
#include "numeric/shown_decimal.h"
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
  const double lastBalance = table.rows.empty() ? table.principal : table.rows.back().balance;
  return {FormatWithPattern(table.payment, pattern::kPayment, separators),
          std::to_string(table.rows.size()),
          principal.text(separators),
          interest.text(separators),
          paid.text(separators),
          FormatWithPattern(lastBalance, pattern::kBalance, separators),
          paid.isZero(),
          ShownDecimal(lastBalance, 2).digits == 0};
}

std::string EndBalanceNote(const ScheduleSummary& summary, const Separators& separators) {
  if (summary.endsAtZero) return "";
  return "The schedule does not end at " + FormatWithPattern(0.0, pattern::kBalance, separators) +
         ": the balance after the last payment is " + summary.lastBalance +
         ". The calculator works in double precision, about 16 significant digits, and takes "
         "each month's principal repaid off the balance at that precision; for a loan this "
         "large or a term this long, what is rounded off along the way adds up to this "
         "balance.";
}

}  // namespace sw
