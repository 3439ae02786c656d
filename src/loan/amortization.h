#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sw {

struct AmortizationRow {
  int month;
  double interest;
  double principal;
  double balance;
};

struct Amortization {
  double principal;
  double yearlyRate;
  int years;
  double payment;
  std::vector<AmortizationRow> rows;
};

// The month-by-month table of a loan given by the texts of the principal,
// rate and years fields, or the one-line message that explains why there is
// none.
using AmortizationOutcome = std::variant<Amortization, std::string>;
AmortizationOutcome ComputeAmortization(std::string_view principal,
                                        std::string_view yearlyRate,
                                        std::string_view years);

namespace amortization_message {
inline constexpr std::string_view kPrincipal = "Please fill in the Principal of the loan";
inline constexpr std::string_view kInterest = "Please fill in the interest for the loan";
inline constexpr std::string_view kYears =
    "Please fill in the number of years to spread payments across";
inline constexpr std::string_view kGeneral =
    "Please fill in the Principal, Interest, and Years of the loan";
}  // namespace amortization_message

}  // namespace sw
