#include "report/round_ticks.h"

#include <cmath>
#include <initializer_list>

namespace sw {

RoundTicks RoundTicksFor(double highest, int most) {
  const int exponent = static_cast<int>(std::floor(std::log10(highest / most)));
  for (int next = exponent;; ++next) {
    const double power = std::pow(10.0, next);
    for (const int multiple : {1, 2, 5}) {
      const double step = multiple * power;
      // A hair over a multiple of the step is a rounding error of the sum, not a tick more.
      const double steps = std::ceil(highest / step * (1 - 1e-12));
      if (steps > most) continue;
      RoundTicks ticks{step, static_cast<int>(steps), next < 0 ? -next : 0};
      while (ticks.count > 1 && !std::isfinite(ticks.top())) --ticks.count;
      return ticks;
    }
  }
}

}  // namespace sw
