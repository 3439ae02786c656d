#pragma once

namespace sw {

// (1 + r) multiplied into 1.0 once per month, never a power function. The
// months n are rounded to a whole count (n - 1 half to even, 16-bit); fewer
// than half a month leaves the factor at 1.
double GrowthFactor(double monthlyRate, double months);

}  // namespace sw
