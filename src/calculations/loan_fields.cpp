#include "calculations/loan_fields.h"

#include "calculations/messages.h"
#include "loan/payment.h"
#include "loan/rate_search.h"
#include "loan/remaining.h"
#include "loan/term.h"
#include "numeric/calc_failure.h"
#include "numeric/display_pattern.h"
#include "numeric/field_value.h"
#include "report/amortization_report.h"

namespace sw {

std::string PaymentField(const Separators& separators, std::string_view principal,
                         std::string_view rate, std::string_view years) {
  const auto [P, I, N] = FieldsToNumbers(separators, principal, rate, years);
  return FormatWithPattern(MonthlyPayment(P, I, N), pattern::kPayment, separators);
}

std::string PrincipalField(const Separators& separators, std::string_view payment,
                           std::string_view rate, std::string_view years) {
  const auto [A, I, N] = FieldsToNumbers(separators, payment, rate, years);
  return FormatWithPattern(LoanPrincipal(A, I, N), pattern::kPayment, separators);
}

std::string TermField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view rate) {
  const auto [P, A, I] = FieldsToNumbers(separators, principal, payment, rate);
  const auto years = LoanTerm(P, A, I);
  return years ? FormatWithPattern(*years, pattern::kYears, separators) : "Infinite";
}

std::string RateField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view years) {
  const auto [P, A, N] = FieldsToNumbers(separators, principal, payment, years);
  return FormatWithPattern(InterestRate(P, A, N), pattern::kRate, separators);
}

std::string RemainingField(const Separators& separators, std::string_view principal,
                           std::string_view payment, std::string_view rate,
                           std::string_view payments) {
  const auto [P, A, I] = FieldsToNumbers(separators, principal, payment, rate);
  const std::int16_t k = FieldToInteger(payments, separators);
  return FormatWithPattern(RemainingPrincipal(P, A, I, k), pattern::kBalance, separators);
}

AmortizationOutcome ComputeAmortization(std::string_view principal, std::string_view yearlyRate,
                                        std::string_view years, const Separators& separators) {
  try {
    const double P = FieldToNumber(principal, separators);
    const double I = FieldToNumber(yearlyRate, separators);
    const std::int16_t N = FieldToInteger(years, separators);
    if (!(P > 0)) return std::string{amortization_message::kPrincipal};
    if (I < 0) return std::string{amortization_message::kInterest};
    if (!(N > 0)) return std::string{amortization_message::kYears};
    return AmortizationSchedule(P, I, N);
  } catch (const CalcFailure&) {
    return std::string{amortization_message::kGeneral};
  }
}

std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years, const Separators& separators) {
  const AmortizationOutcome outcome = ComputeAmortization(principal, yearlyRate, years, separators);
  if (const auto* message = std::get_if<std::string>(&outcome)) return *message;
  return FormatAmortization(std::get<Amortization>(outcome), separators);
}

}  // namespace sw
