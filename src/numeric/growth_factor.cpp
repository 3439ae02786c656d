#include "numeric/growth_factor.h"

#include "numeric/checked.h"
#include "numeric/counter16.h"

namespace sw {

double GrowthFactor(double monthlyRate, double months) {
  const Checked r = monthlyRate;
  const std::int16_t last = RoundToInt16((Checked{months} - 1).value());
  Checked g = 1.0;
  for (Counter16 i{0}; i.value() <= last; i.step()) g = (r + 1) * g;
  return g.value();
}

}  // namespace sw
