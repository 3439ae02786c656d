#include "loan/payment.h"

#include "numeric/checked.h"
#include "numeric/growth_factor.h"

namespace sw {

double MonthlyPayment(double principal, double yearlyRate, double years) {
  const Checked n = Checked{years} * 12;
  return MonthlyPaymentOver(principal, yearlyRate, n.value());
}

double MonthlyPaymentOver(double principal, double yearlyRate, double months) {
  const Checked P = principal;
  const Checked r = Checked{yearlyRate} / 1200;
  const Checked g = GrowthFactor(r.value(), months);
  return (((g * r) * P) / (g - 1)).value();
}

double LoanPrincipal(double payment, double yearlyRate, double years) {
  const Checked A = payment;
  const Checked n = Checked{years} * 12;
  const Checked r = Checked{yearlyRate} / 1200;
  const Checked g = GrowthFactor(r.value(), n.value());
  return (((g - 1) * A) / (g * r)).value();
}

}  // namespace sw
