#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/separators.h"

namespace sw {

// The exact sum of non-negative amounts as they are shown with two
// decimals ("1,234.56" adds 123456 cents), so that the total is what a
// reader gets by adding the shown column. Held in as many 18-digit parts as
// it needs: a column of amounts near the largest double does not overflow.
class ShownCentsTotal {
 public:
  // Adds the amount written in `shown` with two decimals and `separators`,
  // which may be written as markup ("&#39;"): the digits outside them count.
  void add(std::string_view shown, const Separators& separators);
  void add(const ShownCentsTotal& other);

  // The total with two decimals, grouped by threes, in `separators`.
  std::string text(const Separators& separators) const;

 private:
  void addPart(std::size_t index, std::uint64_t value);

  std::vector<std::uint64_t> parts_;  // base 10^18, the least significant first
};

}  // namespace sw
