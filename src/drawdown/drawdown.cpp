#include "drawdown/drawdown.h"

#include "numeric/checked.h"
#include "numeric/counter16.h"
#include "numeric/growth_factor.h"

namespace sw {

std::optional<std::int16_t> HowLong(double startBalance, double yearlyRate, double withdrawal) {
  const Checked B = startBalance;
  const Checked W = withdrawal;
  const Checked r = Checked{yearlyRate} / 1200;
  if ((r + 1) * B - W >= B) return std::nullopt;  // the balance does not fall

  Counter16 months{0};
  for (Checked b = B; !(b < W); months.step()) b = (r + 1) * b - W;
  return months.value();
}

double HowMuch(double startBalance, double yearlyRate, double withdrawal, std::int16_t months) {
  const Checked B = startBalance;
  const Checked W = withdrawal;
  const Checked r = Checked{yearlyRate} / 1200;
  const Checked g = GrowthFactor(r.value(), months);
  return (g * B - (W / r) * (g - 1)).value();
}

}  // namespace sw
