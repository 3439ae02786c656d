#pragma once

#include <cstdint>
#include <functional>

namespace sw {

// Principal still owed after `payments` monthly payments, carried forward
// month by month. No month is processed when payments <= 0.
double RemainingPrincipal(double principal, double payment, double yearlyRate,
                          std::int16_t payments);

// One month of repayment: the interest on the balance owed, the rest of the
// payment that repays principal, and the balance owed after it.
struct RepaidMonth {
  std::int16_t month;
  double interest;
  double principalPart;
  double balance;
};
using RepaidMonthVisitor = std::function<void(const RepaidMonth&)>;

// The balance carried forward as in RemainingPrincipal at a monthly rate,
// calling visit after each month.
double CarryBalance(double principal, double payment, double monthlyRate, std::int16_t payments,
                    const RepaidMonthVisitor& visit);

}  // namespace sw
