#pragma once

namespace sw {

// Axis ticks at 0, step, 2 step, ... count steps: the step is 1, 2 or 5
// times a power of ten, the smallest such that `count` steps, at most
// `most` (at least 5), reach `highest` (a positive finite value). Where the round value
// above `highest` would exceed the double range, the last tick stays below.
struct RoundTicks {
  double step;
  int count;
  int decimals;  // what a label needs to show the step exactly

  double at(int tick) const { return tick * step; }
  double top() const { return at(count); }
};

RoundTicks RoundTicksFor(double highest, int most);

}  // namespace sw
