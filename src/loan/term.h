#pragma once

#include <optional>

namespace sw {

// Years needed to repay the principal with the payment, or no value when
// the payment never covers the first month's interest (shown "Infinite").
std::optional<double> LoanTerm(double principal, double payment, double yearlyRate);

}  // namespace sw
