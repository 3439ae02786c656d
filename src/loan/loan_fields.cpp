#include "loan/loan_fields.h"

#include "loan/payment.h"
#include "loan/rate_search.h"
#include "loan/remaining.h"
#include "loan/term.h"
#include "numeric/display_pattern.h"
#include "numeric/field_value.h"

namespace sw {

std::string PaymentField(std::string_view principal, std::string_view rate,
                         std::string_view years) {
  const auto [P, I, N] = FieldsToNumbers(principal, rate, years);
  return FormatWithPattern(MonthlyPayment(P, I, N), pattern::kPayment);
}

std::string PrincipalField(std::string_view payment, std::string_view rate,
                           std::string_view years) {
  const auto [A, I, N] = FieldsToNumbers(payment, rate, years);
  return FormatWithPattern(LoanPrincipal(A, I, N), pattern::kPayment);
}

std::string TermField(std::string_view principal, std::string_view payment,
                      std::string_view rate) {
  const auto [P, A, I] = FieldsToNumbers(principal, payment, rate);
  const auto years = LoanTerm(P, A, I);
  return years ? FormatWithPattern(*years, pattern::kYears) : "Infinite";
}

std::string RateField(std::string_view principal, std::string_view payment,
                      std::string_view years) {
  const auto [P, A, N] = FieldsToNumbers(principal, payment, years);
  return FormatWithPattern(InterestRate(P, A, N), pattern::kRate);
}

std::string RemainingField(std::string_view principal, std::string_view payment,
                           std::string_view rate, std::string_view payments) {
  const auto [P, A, I] = FieldsToNumbers(principal, payment, rate);
  const std::int16_t k = FieldToInteger(payments);
  return FormatWithPattern(RemainingPrincipal(P, A, I, k), pattern::kBalance);
}

}  // namespace sw
