#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

// The first, string-building implementation of the display patterns, kept
// only to check the formatter in src/numeric against, digit for digit.
namespace sw::reference {

// A decimal value: its digits with the point standing after `point` of them
// (point may lie before the first digit or past the last).
struct Decimal {
  std::string digits;
  int point;
};

// The magnitude's fifteen significant digits as std::to_chars writes them.
Decimal FifteenDigits(double magnitude);

std::string FormatWithPattern(double value, std::string_view pattern, const Separators& separators);

}  // namespace sw::reference
