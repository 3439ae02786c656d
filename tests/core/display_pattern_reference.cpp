#include "display_pattern_reference.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sw::reference {
namespace {

struct PatternShape {
  int minIntegerDigits = 0;
  int decimals = 0;
  bool grouped = false;
};

PatternShape ShapeOf(std::string_view pattern) {
  const auto point = pattern.find('.');
  const auto integerPart = pattern.substr(0, point);
  const auto fractionPart = point == std::string_view::npos ? "" : pattern.substr(point + 1);
  return {static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0')),
          static_cast<int>(std::count(fractionPart.begin(), fractionPart.end(), '0')),
          integerPart.find(',') != std::string_view::npos};
}

Decimal RoundHalfAwayFromZero(Decimal d, int decimals) {
  const int keep = d.point + decimals;
  if (keep >= static_cast<int>(d.digits.size())) return d;
  if (keep < 0) return {"", d.point};
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return d;
  int i = keep - 1;
  for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    ++d.point;
  }
  return d;
}

char DigitAt(const Decimal& d, int index) {
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

std::string IntegerDigits(const Decimal& d, int minDigits) {
  std::string out;
  for (int i = 0; i < d.point; ++i) out += DigitAt(d, i);
  out.erase(0, std::min(out.find_first_not_of('0'), out.size()));
  if (static_cast<int>(out.size()) < minDigits) out.insert(0, minDigits - out.size(), '0');
  return out;
}

std::string GroupByThree(const std::string& digits, const std::string& separator) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

// Rounding works on the value taken to fifteen significant digits, the
// precision a double reliably carries, so a value stored a hair below a
// decimal halfway point (1.005 is 1.00499999999999989...) rounds as its
// decimal reading suggests, and binary noise beyond fifteen digits never
// decides a rounding.
Decimal FifteenDigits(double magnitude) {
  // The few doubles above the largest fifteen-digit decimal below DBL_MAX
  // would round up to a text that no longer reads back as a double.
  constexpr double kLargestReadable = 1.79769313486231e308;
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, std::min(magnitude, kLargestReadable),
                                 std::chars_format::scientific, 14)
                       .ptr;
  std::string digits{buf[0]};
  digits.append(buf + 2, 14);
  int exponent = 0;
  std::from_chars(buf + 17 + (buf[17] == '+'), end, exponent);
  return {digits, exponent + 1};
}

std::string FormatWithPattern(double value, std::string_view pattern,
                              const Separators& separators) {
  const PatternShape shape = ShapeOf(pattern);
  const Decimal rounded = RoundHalfAwayFromZero(FifteenDigits(std::fabs(value)), shape.decimals);

  std::string integer = IntegerDigits(rounded, shape.minIntegerDigits);
  std::string fraction;
  for (int i = 0; i < shape.decimals; ++i) fraction += DigitAt(rounded, rounded.point + i);

  const bool showsZero = (integer + fraction).find_first_not_of('0') == std::string::npos;
  std::string out = std::signbit(value) && !showsZero ? "-" : "";
  out += shape.grouped ? GroupByThree(integer, separators.grouping) : integer;
  if (shape.decimals > 0) out += separators.decimal + fraction;
  return out;
}

}  // namespace sw::reference
