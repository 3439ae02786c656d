#include "numeric/display_pattern.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace sw {
namespace {

constexpr int kSignificant = 15;

// A decimal value: the `count` digits of `digits` (leading zeros written
// out), then zeros, with the point standing after `point` of them (point
// may lie before the first digit or past the last).
struct Decimal {
  std::uint64_t digits;
  int count;
  int point;
};

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL,
                                          10000000000000000000ULL};

// The fifteen-digit decimal as the library rounds it, exactly.
Decimal LibraryFifteenDigits(double magnitude) {
  char buf[32] = {};
  const auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                 kSignificant - 1).ptr;
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

// Rounding works on the value taken to fifteen significant digits, the
// precision a double reliably carries, so a value stored a hair below a
// decimal halfway point (1.005 is 1.00499999999999989...) rounds as its
// decimal reading suggests, and binary noise beyond fifteen digits never
// decides a rounding.
Decimal FifteenDigits(double magnitude) {
  // The few doubles above the largest fifteen-digit decimal below DBL_MAX
  // would round up to a text that no longer reads back as a double.
  constexpr double kLargestReadable = 1.79769313486231e308;
  if (magnitude >= 1e-4 && magnitude < 1e15) return ExactFifteenDigits(magnitude);
  return LibraryFifteenDigits(std::min(magnitude, kLargestReadable));
}

void RoundHalfAwayFromZero(Decimal& d, int decimals) {
  const int keep = d.point + decimals;
  if (keep >= d.count) return;
  if (keep < 0) {
    d = {0, 0, d.point};
    return;
  }
  const std::uint64_t dropped = kPowersOfTen[d.count - keep];
  const bool up = d.digits % dropped >= dropped / 2;
  d.digits /= dropped;
  d.count = keep;
  if (up && ++d.digits == kPowersOfTen[keep]) {  // all nines: one digit more
    ++d.count;
    ++d.point;
  }
}

// The decimal's digits as characters, the first `count` of `text`.
struct DigitText {
  char text[kSignificant + 1];
  int count;

  explicit DigitText(const Decimal& d) : count(d.count) {
    std::uint64_t rest = d.digits;
    for (int i = count - 1; i >= 0; --i, rest /= 10) text[i] = static_cast<char>('0' + rest % 10);
  }

  char at(int index) const { return index >= 0 && index < count ? text[index] : '0'; }
};

char* Append(char* out, const std::string& text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// DBL_MAX is below 1e309.
constexpr int kMostIntegerDigits = 309;

}  // namespace

std::size_t DisplayPattern::maxLength(const Separators& separators) const {
  const auto digits = static_cast<std::size_t>(std::max(kMostIntegerDigits, minIntegerDigits_));
  const std::size_t groups = grouped_ ? (digits - 1) / 3 * separators.grouping.size() : 0;
  return 1 + digits + groups + separators.decimal.size() + static_cast<std::size_t>(decimals_);
}

char* WriteWithPattern(char* out, double value, const DisplayPattern& pattern,
                       const Separators& separators) {
  Decimal rounded = FifteenDigits(std::fabs(value));
  RoundHalfAwayFromZero(rounded, pattern.decimals());
  const DigitText d(rounded);
  const int point = rounded.point;

  int firstShown = 0;
  while (firstShown < point && d.at(firstShown) == '0') ++firstShown;
  const int shownDigits = std::max(point - firstShown, 0);
  const int integerDigits = std::max(shownDigits, pattern.minIntegerDigits());

  bool showsZero = shownDigits == 0;
  for (int i = 0; showsZero && i < pattern.decimals(); ++i) {
    showsZero = d.at(point + i) == '0';
  }
  if (std::signbit(value) && !showsZero) *out++ = '-';

  const int firstIndex = point - integerDigits;
  for (int i = 0; i < integerDigits; ++i) {
    if (pattern.grouped() && i > 0 && (integerDigits - i) % 3 == 0) {
      out = Append(out, separators.grouping);
    }
    *out++ = d.at(firstIndex + i);
  }
  if (pattern.decimals() > 0) {
    out = Append(out, separators.decimal);
    for (int i = 0; i < pattern.decimals(); ++i) *out++ = d.at(point + i);
  }
  return out;
}

std::string FormatWithPattern(double value, const DisplayPattern& pattern,
                              const Separators& separators) {
  std::string text(pattern.maxLength(separators), '\0');
  text.resize(static_cast<std::size_t>(
      WriteWithPattern(text.data(), value, pattern, separators) - text.data()));
  return text;
}

std::string FormatWithPattern(double value, std::string_view pattern,
                              const Separators& separators) {
  return FormatWithPattern(value, DisplayPattern(pattern), separators);
}

}  // namespace sw
