#pragma once

#include "numeric/fifteen_digits.h"

namespace sw {

// The decimal that a display pattern with `decimals` decimals shows for a
// finite value, without its sign: the magnitude taken to fifteen
// significant digits (FifteenDigits), then rounded half away from zero to
// `decimals` decimals. A value that rounds to zero gives zero digits.
Decimal ShownDecimal(double value, int decimals);

}  // namespace sw
