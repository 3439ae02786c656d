#include "numeric/shown_decimal.h"

#include <cmath>

namespace sw {
namespace {

// Rounding works on the value taken to fifteen significant digits, the
// precision a double reliably carries, so a value stored a hair below a
// decimal halfway point (1.005 is 1.00499999999999989...) rounds as its
// decimal reading suggests, and binary noise beyond fifteen digits never
// decides a rounding.
void RoundHalfAwayFromZero(Decimal& d, int decimals) {
  const int keep = d.point + decimals;
  if (keep >= d.count) return;
  if (keep < 0) {
    d = {0, 0, d.point};
    return;
  }
  const std::uint64_t dropped = kPowersOfTen[d.count - keep];
  const bool up = d.digits % dropped >= dropped / 2;
  d.digits /= dropped;
  d.count = keep;
  if (up && ++d.digits == kPowersOfTen[keep]) {  // all nines: one digit more
    ++d.count;
    ++d.point;
  }
}

}  // namespace

Decimal ShownDecimal(double value, int decimals) {
  Decimal shown = FifteenDigits(std::fabs(value));
  RoundHalfAwayFromZero(shown, decimals);
  return shown;
}

}  // namespace sw
