#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// The loan in four figures, as texts in `separators`: the payment as the
// loan window shows it, and totals that add the cents the report shows.
struct ScheduleSummary {
  std::string payment;
  std::string payments;
  std::string totalPaid;
  std::string totalInterest;
  bool paidShowsZero;  // every month's interest and principal show as 0.00
};

ScheduleSummary SummaryOf(const Amortization& table, const Separators& separators);

}  // namespace sw
