#include "report/round_ticks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string>
#include <system_error>

namespace sw {
namespace {

// 10 to the `exponent`, correctly rounded on every machine, where some
// libraries' pow is an ulp off; zero below the double range and infinity
// above it, as pow gives.
double PowerOfTen(int exponent) {
  const std::string text = "1e" + std::to_string(exponent);
  double power = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), power).ec != std::errc{}) {
    return exponent > 0 ? HUGE_VAL : 0.0;
  }
  return power;
}

}  // namespace

RoundTicks RoundTicksFor(double highest, int most, int mostDecimals) {
  // One power lower than the estimate: a log10 an ulp high must not skip
  // the smallest step.
  const double estimate = highest / most;
  const int exponent =
      estimate > 0 ? static_cast<int>(std::floor(std::log10(estimate))) - 1 : -mostDecimals;
  for (int next = std::max(exponent, -mostDecimals);; ++next) {
    const double power = PowerOfTen(next);
    for (const int multiple : {1, 2, 5}) {
      const double step = multiple * power;
      // A hair over a multiple of the step is a rounding error of the sum, not a tick more.
      const double steps = std::max(std::ceil(highest / step * (1 - 1e-12)), 1.0);
      if (steps > most) continue;
      const int decimals = next < 0 ? -next : 0;
      if (std::isfinite(steps * step)) {
        return {step, static_cast<int>(steps), decimals, steps * step};
      }
      const double below = std::floor((highest - step / 2) / step);
      return {step, static_cast<int>(below) + 1, decimals, highest};
    }
  }
}

}  // namespace sw
