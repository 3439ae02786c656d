#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "numeric/separators.h"

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
// rate and years fields, read with `separators`, or the one-line message
// that explains why there is none.
using AmortizationOutcome = std::variant<Amortization, std::string>;
AmortizationOutcome ComputeAmortization(std::string_view principal,
                                        std::string_view yearlyRate,
                                        std::string_view years,
                                        const Separators& separators = {});

}  // namespace sw
