#include "loan/rate_search.h"

#include "loan/payment.h"
#include "numeric/checked.h"

namespace sw {
namespace {

Checked TrialPayment(Checked P, Checked trialRate, Checked months) {
  return MonthlyPaymentOver(P.value(), trialRate.value(), months.value());
}

bool SameThousandth(Checked a, Checked b) {
  return RoundToInt32((a * 1000).value()) == RoundToInt32((b * 1000).value());
}

}  // namespace

double InterestRate(double principal, double payment, double years,
                    const RateSearchObserver& observer) {
  const Checked P = principal;
  const Checked A = payment;
  const Checked n = Checked{years} * 12;

  Checked upper = 20.0;
  while (TrialPayment(P, upper, n) < A) upper = upper * 2;

  Checked lower = 0.0;
  Checked trial = 0.0;
  for (bool searching = true; searching;) {
    trial = (upper + lower) / 2;
    const Checked trialPayment = TrialPayment(P, trial, n);
    // A trial that hits the target exactly, or bounds that have closed in to
    // neighbouring doubles, would repeat the same pass for ever: that trial
    // is the answer.
    const bool settled = trialPayment == A || trial == upper || trial == lower;
    if (trialPayment > A) upper = trial;
    if (trialPayment < A) lower = trial;
    if (observer) observer({trial.value(), trialPayment.value(), lower.value(), upper.value()});
    searching = !settled && !SameThousandth(upper, lower);
  }
  return trial.value();
}

}  // namespace sw
