#include "numeric/fifteen_digits.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace sw {
namespace {

// The fifteen-digit decimal as the library rounds it, exactly.
Decimal LibraryFifteenDigits(double magnitude) {
  char buf[32] = {};
  const auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                 kSignificant - 1)
                       .ptr;
  // "d.dddddddddddddde+XX"
  std::uint64_t digits = static_cast<unsigned char>(buf[0] - '0');
  for (int i = 2; i <= kSignificant; ++i) {
    digits = 10 * digits + static_cast<unsigned char>(buf[i] - '0');
  }
  int exponent = 0;
  std::from_chars(buf + 17 + (buf[17] == '+'), end, exponent);
  return {digits, kSignificant, exponent + 1};
}

// The product of two 64-bit numbers, in full.
struct Wide {
  std::uint64_t high;
  std::uint64_t low;
};

Wide Multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu;
  const std::uint64_t aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu;
  const std::uint64_t bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
  return {aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// `n` shifted right by `bits` (1 to 127), the bits shifted out dropped.
std::uint64_t ShiftedDown(Wide n, int bits) {
  return bits < 64 ? (n.low >> bits) | (n.high << (64 - bits)) : n.high >> (bits - 64);
}

// The same, rounded to nearest with ties to even: as the library rounds an
// exact binary value to decimal digits.
std::uint64_t ShiftRounded(Wide n, int bits) {
  const auto bitAt = [&n](int i) { return ((i < 64 ? n.low >> i : n.high >> (i - 64)) & 1) != 0; };
  const auto anyBelow = [&n](int i) {
    if (i < 64) return (n.low & ((std::uint64_t{1} << i) - 1)) != 0;
    return n.low != 0 || (n.high & ((std::uint64_t{1} << (i - 64)) - 1)) != 0;
  };
  std::uint64_t q = ShiftedDown(n, bits);
  if (bitAt(bits - 1) && (anyBelow(bits - 1) || (q & 1) != 0)) ++q;
  return q;
}

// The fifteen-digit decimal of a magnitude from 1e-4 up to 1e15, worked out
// exactly in integers: the double is a 53-bit integer times a power of two,
// so scaling it by a power of ten and rounding the binary point away gives
// the digits the library gives.
Decimal ExactFifteenDigits(double magnitude) {
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int binaryExponent = static_cast<int>(bits >> 52) - 1075;  // magnitude = mantissa * 2^that
  const int shift = -binaryExponent;
  // floor(log10(2) * binary exponent): the decimal exponent or one below.
  int exponent = ((binaryExponent + 52) * 78913) >> 18;
  Wide scaled = Multiply(mantissa, kPowersOfTen[kSignificant - 1 - exponent]);
  if (ShiftedDown(scaled, shift) >= kPowersOfTen[kSignificant]) {
    ++exponent;
    scaled = Multiply(mantissa, kPowersOfTen[kSignificant - 1 - exponent]);
  }
  std::uint64_t digits = ShiftRounded(scaled, shift);
  if (digits == kPowersOfTen[kSignificant]) {
    digits /= 10;
    ++exponent;
  }
  return {digits, kSignificant, exponent + 1};
}

}  // namespace

Decimal FifteenDigits(double magnitude) {
  // The few doubles above the largest fifteen-digit decimal below DBL_MAX
  // would round up to a text that no longer reads back as a double.
  constexpr double kLargestReadable = 1.79769313486231e308;
  if (magnitude >= 1e-4 && magnitude < 1e15) return ExactFifteenDigits(magnitude);
  return LibraryFifteenDigits(std::min(magnitude, kLargestReadable));
}

}  // namespace sw
