#pragma once

namespace sw {

// Axis ticks at 0, step, 2 step, ... and a top tick: the step is 1, 2 or 5
// times a power of ten, at least 10^-mostDecimals, the smallest such that
// `count` steps, at most `most` (at least 5), reach `highest` (a finite
// value, zero or above); the top tick is then count steps. Where that would
// pass the double range, the top tick is `highest` itself, and the round
// ticks below it stop half a step short of it.
struct RoundTicks {
  double step;
  int count;
  int decimals;  // what a label needs to show the step exactly
  double top;

  double at(int tick) const { return tick == count ? top : tick * step; }
};

RoundTicks RoundTicksFor(double highest, int most, int mostDecimals);

}  // namespace sw
