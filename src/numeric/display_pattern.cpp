#include "numeric/display_pattern.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "numeric/shown_decimal.h"

namespace sw {
namespace {

// The decimal's digits as characters.
struct DigitText {
  char text[kSignificant + 1];
  int count;

  explicit DigitText(const Decimal& d) : count(d.count) {
    std::uint64_t rest = d.digits;
    for (int i = count - 1; i >= 0; --i, rest /= 10) text[i] = static_cast<char>('0' + rest % 10);
  }

  std::string_view view() const { return {text, static_cast<std::size_t>(count)}; }
};

// A digit of a decimal's text; zero before its first digit and past its last.
char DigitAt(std::string_view digits, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < digits.size()
             ? digits[static_cast<std::size_t>(index)]
             : '0';
}

// The integer digits from the first that is not zero.
int ShownIntegerDigits(std::string_view digits, int point) {
  int first = 0;
  while (first < point && DigitAt(digits, first) == '0') ++first;
  return std::max(point - first, 0);
}

char* Append(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// Writes the `count` integer digits that end at `point`, with `grouping`
// (which may be empty) before each group of three counted from the point.
// The zeros past the last of `digits`, which make up most of a number near
// the largest double, are written a group at a time.
char* WriteIntegerDigits(char* out, std::string_view digits, int point, int count,
                         std::string_view grouping) {
  const int first = point - count;
  const int known = std::max(static_cast<int>(digits.size()), first);
  int index = first;
  for (; index < point && (index < known || (point - index) % 3 != 0); ++index) {
    if (index > first && (point - index) % 3 == 0) out = Append(out, grouping);
    *out++ = DigitAt(digits, index);
  }
  for (; index < point; index += 3) {
    if (index > first) out = Append(out, grouping);
    out = std::fill_n(out, 3, '0');
  }
  return out;
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
  const Decimal rounded = ShownDecimal(value, pattern.decimals());
  const DigitText d(rounded);
  const int point = rounded.point;

  bool showsZero = ShownIntegerDigits(d.view(), point) == 0;
  for (int i = 0; showsZero && i < pattern.decimals(); ++i) {
    showsZero = DigitAt(d.view(), point + i) == '0';
  }
  if (std::signbit(value) && !showsZero) *out++ = '-';
  return WriteDigitsWithPattern(out, d.view(), point, pattern, separators);
}

char* WriteDigitsWithPattern(char* out, std::string_view digits, int point,
                             const DisplayPattern& pattern, const Separators& separators) {
  const int integerDigits = std::max(ShownIntegerDigits(digits, point), pattern.minIntegerDigits());
  out = WriteIntegerDigits(out, digits, point, integerDigits,
                           pattern.grouped() ? std::string_view(separators.grouping) : "");
  if (pattern.decimals() > 0) {
    out = Append(out, separators.decimal);
    for (int i = 0; i < pattern.decimals(); ++i) *out++ = DigitAt(digits, point + i);
  }
  return out;
}

std::string FormatWithPattern(double value, const DisplayPattern& pattern,
                              const Separators& separators) {
  std::string text(pattern.maxLength(separators), '\0');
  text.resize(static_cast<std::size_t>(WriteWithPattern(text.data(), value, pattern, separators) -
                                       text.data()));
  return text;
}

std::string FormatWithPattern(double value, std::string_view pattern,
                              const Separators& separators) {
  return FormatWithPattern(value, DisplayPattern(pattern), separators);
}

}  // namespace sw
