#include "loan/amortization.h"

#include "loan/payment.h"
#include "loan/remaining.h"
#include "numeric/calc_failure.h"
#include "numeric/checked.h"

namespace sw {
namespace {

std::int16_t MonthsOf(std::int16_t years) {
  const int months = 12 * years;
  if (months > INT16_MAX) throw CalcFailure{};
  return static_cast<std::int16_t>(months);
}

}  // namespace

Amortization AmortizationSchedule(double principal, double yearlyRate, std::int16_t years) {
  const std::int16_t n = MonthsOf(years);
  const double payment = MonthlyPaymentOver(principal, yearlyRate, n);
  const Checked r = Checked{yearlyRate} / 1200;

  Amortization table{principal, yearlyRate, years, payment, {}};
  table.rows.reserve(n);
  CarryBalance(principal, payment, r.value(), n, [&table](const RepaidMonth& month) {
    table.rows.push_back({month.month, month.interest, month.principalPart, month.balance});
  });
  return table;
}

}  // namespace sw
