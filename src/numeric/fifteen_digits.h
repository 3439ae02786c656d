#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sw {

inline constexpr int kSignificant = 15;

// A decimal value: the `count` digits of `digits` (leading zeros written
// out), then zeros, with the point standing after `point` of them (point
// may lie before the first digit or past the last).
struct Decimal {
  std::uint64_t digits;
  int count;
  int point;
};

// 10^0 to 10^19, every power of ten below 2^64.
inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = 10 * powers[i - 1];
  return powers;
}();

// A finite magnitude (zero or above) taken to fifteen significant digits,
// exactly as std::to_chars rounds it (to nearest, ties to even); `count` is
// 15. Magnitudes above 1.79769313486231e308, the largest fifteen-digit
// decimal below DBL_MAX, give that decimal.
Decimal FifteenDigits(double magnitude);

}  // namespace sw
