#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// The exact sum of non-negative amounts as they are shown with two
// decimals ("1,234.56" adds 123456 cents), so that the total is what a
// reader gets by adding the shown column. Held as decimal digits: a column
// of amounts near the largest double does not overflow.
class ShownCentsTotal {
 public:
  // Adds the amount written in `shown`; every character that is not a
  // digit (grouping, decimal point) is skipped.
  void add(std::string_view shown);
  void add(const ShownCentsTotal& other);

  // The total with two decimals, grouped by threes, in `separators`.
  std::string text(const Separators& separators) const;

 private:
  void addDigit(std::size_t place, int digit);

  std::string reversedDigits_ = "000";  // the least significant cent first
};

}  // namespace sw
