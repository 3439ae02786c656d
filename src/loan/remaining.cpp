#include "loan/remaining.h"

#include "numeric/checked.h"
#include "numeric/counter16.h"

namespace sw {

double RemainingPrincipal(double principal, double payment, double yearlyRate,
                          std::int16_t payments) {
  const Checked r = Checked{yearlyRate} / 1200;
  return CarryBalance(principal, payment, r.value(), payments, {});
}

double CarryBalance(double principal, double payment, double monthlyRate, std::int16_t payments,
                    const RepaidMonthVisitor& visit) {
  const Checked A = payment;
  const Checked r = monthlyRate;
  Checked balance = principal;
  for (Counter16 i{1}; i.value() <= payments; i.step()) {
    const Checked interest = balance * r;
    const Checked principalPart = A - interest;
    balance = balance - principalPart;
    if (visit) visit({i.value(), interest.value(), principalPart.value(), balance.value()});
  }
  return balance.value();
}

}  // namespace sw
