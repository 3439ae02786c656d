#include "loan/payment.h"

#include "loan/growth_factor.h"
#include "numeric/checked.h"

namespace sw {

double MonthlyPayment(double principal, double yearlyRate, double years) {
  const Checked P = principal;
  const Checked n = Checked{years} * 12;
  const Checked r = Checked{yearlyRate} / 1200;
  const Checked g = GrowthFactor(r.value(), n.value());
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
