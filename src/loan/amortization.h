#pragma once

#include <cstdint>
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

// The month-by-month table of a loan repaid by equal end-of-month payments
// over `years` years. Throws CalcFailure past 32767 months or where a step
// does not give a finite number.
Amortization AmortizationSchedule(double principal, double yearlyRate, std::int16_t years);

}  // namespace sw
