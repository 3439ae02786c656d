#pragma once

#include <cmath>

#include "numeric/calc_failure.h"

namespace sw {

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

}  // namespace sw
