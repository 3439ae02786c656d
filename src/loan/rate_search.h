#pragma once

namespace sw {

// Yearly rate in percent at which the payment repays the principal over the
// years: doubling from 20 % for an upper bound, then halving from 0 until
// both bounds agree to a thousandth of a percent.
double InterestRate(double principal, double payment, double years);

}  // namespace sw
