#include "loan/amortization.h"

#include "calculations/amortization_messages.h"
#include "loan/payment.h"
#include "loan/remaining.h"
#include "numeric/calc_failure.h"
#include "numeric/checked.h"
#include "numeric/field_value.h"

namespace sw {
namespace {

std::int16_t MonthsOf(std::int16_t years) {
  const int months = 12 * years;
  if (months > INT16_MAX) throw CalcFailure{};
  return static_cast<std::int16_t>(months);
}

Amortization Schedule(double principal, double yearlyRate, std::int16_t years) {
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

}  // namespace

AmortizationOutcome ComputeAmortization(std::string_view principal, std::string_view yearlyRate,
                                        std::string_view years, const Separators& separators) {
  try {
    const double P = FieldToNumber(principal, separators);
    const double I = FieldToNumber(yearlyRate, separators);
    const std::int16_t N = FieldToInteger(years, separators);
    if (!(P > 0)) return std::string{amortization_message::kPrincipal};
    if (I < 0) return std::string{amortization_message::kInterest};
    if (!(N > 0)) return std::string{amortization_message::kYears};
    return Schedule(P, I, N);
  } catch (const CalcFailure&) {
    return std::string{amortization_message::kGeneral};
  }
}

}  // namespace sw
