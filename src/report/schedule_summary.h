#pragma once

#include <string>
#include <string_view>

#include "loan/amortization.h"
#include "numeric/separators.h"
#include "report/shown_cents_total.h"

namespace sw {

// The loan in four figures, as texts in `separators`: the payment as the
// loan window shows it, and totals that add the cents the report shows.
struct ScheduleSummary {
  std::string payment;
  std::string payments;
  std::string totalPaid;
  std::string totalInterest;
};

// The totals of the report's interest and principal columns, fed one
// shown row at a time.
struct ColumnTotals {
  ShownCentsTotal interest;
  ShownCentsTotal principal;
};

ScheduleSummary SummaryOf(const Amortization& table, const ColumnTotals& totals,
                          const Separators& separators);

// The same, formatting the two columns itself.
ScheduleSummary SummaryOf(const Amortization& table, const Separators& separators);

}  // namespace sw
