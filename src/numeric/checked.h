#pragma once

#include <cfloat>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

#include "numeric/calc_failure.h"

namespace sw {

// Rounding every step to double is what makes the printed digits the same
// on every machine; the x87 unit of 32-bit x86 keeps wider intermediates.
static_assert(FLT_EVAL_METHOD == 0,
              "double arithmetic must round to double (on 32-bit x86: -msse2 -mfpmath=sse)");

// A double whose every operation is checked: a result that is not finite
// (invalid operation, division by zero, overflow) throws CalcFailure.
// Underflow and inexact results are not faults. Each operator rounds once,
// so a formula written with these operators keeps its evaluation order.
class Checked {
 public:
  constexpr Checked(double v) : v_(v) {}  // NOLINT: implicit by design
  constexpr double value() const { return v_; }

  friend Checked operator+(Checked a, Checked b) { return check(a.v_ + b.v_); }
  friend Checked operator-(Checked a, Checked b) { return check(a.v_ - b.v_); }
  friend Checked operator*(Checked a, Checked b) { return check(a.v_ * b.v_); }
  friend Checked operator/(Checked a, Checked b) { return check(a.v_ / b.v_); }
  friend Checked ln(Checked a) { return check(std::log(a.v_)); }

  friend auto operator<=>(Checked a, Checked b) { return a.v_ <=> b.v_; }
  friend bool operator==(Checked a, Checked b) { return a.v_ == b.v_; }

 private:
  static Checked check(double r) {
    if (!std::isfinite(r)) throw CalcFailure{};
    return Checked{r};
  }
  double v_;
};

// Nearest integer with ties to even; outside the type's range throws
// CalcFailure.
template <std::integral Int>
Int RoundToInteger(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= std::numeric_limits<Int>::min() && r <= std::numeric_limits<Int>::max())) {
    throw CalcFailure{};
  }
  return static_cast<Int>(r);
}

inline std::int16_t RoundToInt16(double value) { return RoundToInteger<std::int16_t>(value); }
inline std::int32_t RoundToInt32(double value) { return RoundToInteger<std::int32_t>(value); }

}  // namespace sw
