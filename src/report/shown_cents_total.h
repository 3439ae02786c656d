#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/separators.h"

namespace sw {

// The exact sum of amounts as they are shown with two decimals, signs left
// out (1234.555 adds 123456 cents), so that the total is what a reader gets
// by adding the shown column. Held in as many 18-digit parts as it needs: a
// column of amounts near the largest double does not overflow.
class ShownCentsTotal {
 public:
  // Adds the cents that a two-decimal display pattern shows for `amount`,
  // rounded exactly as it rounds them (ShownDecimal), without writing them.
  void add(double amount);
  void add(const ShownCentsTotal& other);

  bool isZero() const { return parts_.empty(); }

  // The total with two decimals, grouped by threes, in `separators`.
  std::string text(const Separators& separators) const;

 private:
  void addPart(std::size_t index, std::uint64_t value);

  std::vector<std::uint64_t> parts_;  // base 10^18, the least significant first
};

}  // namespace sw
