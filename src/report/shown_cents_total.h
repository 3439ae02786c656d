#pragma once

#include <cstdint>
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
  // Adds the amount written in `shown` with two decimals and `separators`,
  // which may be written as markup ("&#39;"): the digits outside them count.
  void add(std::string_view shown, const Separators& separators);
  void add(const ShownCentsTotal& other);

  // The total with two decimals, grouped by threes, in `separators`.
  std::string text(const Separators& separators) const;

 private:
  void addDigit(std::size_t place, int digit);
  void addCents(std::uint64_t cents);

  // Amounts of up to 18 digits gather here, an integer add each, and go
  // into the digits before the sum could overflow.
  std::uint64_t pending_ = 0;
  std::string reversedDigits_ = "000";  // the least significant cent first
};

}  // namespace sw
