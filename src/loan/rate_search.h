#pragma once

#include <functional>

namespace sw {

// One pass of the halving, as it stands after the pass.
struct RateSearchPass {
  double trial;
  double payment;
  double lower;
  double upper;
};
using RateSearchObserver = std::function<void(const RateSearchPass&)>;

// Yearly rate in percent at which the payment repays the principal over the
// years: doubling from 20 % for an upper bound, then halving from 0 until
// both bounds agree to a thousandth of a percent.
double InterestRate(double principal, double payment, double years,
                    const RateSearchObserver& observer = {});

}  // namespace sw
