#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// The loan in figures, as texts in `separators`: the payment as the loan
// window shows it, totals that add the cents the report shows, so that the
// principal repaid and the interest add up to the total paid as written,
// and the balance after the last payment as the report shows it.
struct ScheduleSummary {
  std::string payment;
  std::string payments;
  std::string principalRepaid;
  std::string totalInterest;
  std::string totalPaid;
  std::string lastBalance;
  bool paidShowsZero;  // every month's interest and principal show as 0.00
  bool endsAtZero;     // the last balance shows as 0.00
};

ScheduleSummary SummaryOf(const Amortization& table, const Separators& separators);

// Where the last balance does not show as 0.00, two sentences that say so
// and why; otherwise nothing.
std::string EndBalanceNote(const ScheduleSummary& summary, const Separators& separators);

}  // namespace sw
