#include "numeric/field_value.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "numeric/calc_failure.h"
#include "numeric/checked.h"

namespace sw {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A number as written: its digits without grouping separators, the decimal
// point standing after `integerDigits` of them, and the exponent.
struct WrittenNumber {
  bool negative = false;
  std::string digits;
  std::size_t integerDigits = 0;
  std::int64_t exponent = 0;
};

// Far beyond any double's decimal exponent, yet small enough that adding a
// digit count to it cannot overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Reads the grammar strictly: an optional sign, digits with "," anywhere
// before the point, an optional fraction, at least one digit, an optional
// exponent. "inf", "nan" and every other form throw.
WrittenNumber ReadWrittenNumber(std::string_view s) {
  WrittenNumber n;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
  for (; i < s.size() && (IsDigit(s[i]) || s[i] == ','); ++i) {
    if (s[i] != ',') n.digits += s[i];
  }
  n.integerDigits = n.digits.size();
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) n.digits += s[i];
  }
  if (n.digits.empty()) throw CalcFailure{};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    const bool negativeExponent = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size() || !IsDigit(s[i])) throw CalcFailure{};
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      n.exponent = std::min(n.exponent * 10 + (s[i] - '0'), kExponentCap);
    }
    if (negativeExponent) n.exponent = -n.exponent;
  }
  if (i != s.size()) throw CalcFailure{};
  return n;
}

// Decimal exponents of the largest double (1.8e308) and of the smallest
// denormal (4.9e-324); a value below 1e-324 is under half the smallest
// denormal and rounds to zero.
constexpr std::int64_t kLargestScale = 308;
constexpr std::int64_t kSmallestScale = -324;

// The nearest double to the written value. Whether it is too large or too
// small follows from the value's decimal exponent, whatever the spelling
// ("1000e-1" and "0.01e4" are both 100).
double NearestDouble(const WrittenNumber& n) {
  const double zero = n.negative ? -0.0 : 0.0;
  const auto first = n.digits.find_first_not_of('0');
  if (first == std::string::npos) return zero;
  const auto last = n.digits.find_last_not_of('0');
  // The value is d.ddd... times 10^scale, d being the first non-zero digit.
  const std::int64_t scale = static_cast<std::int64_t>(n.integerDigits) -
                             static_cast<std::int64_t>(first) - 1 + n.exponent;
  if (scale > kLargestScale) throw CalcFailure{};
  if (scale < kSmallestScale) return zero;

  std::string scientific = n.negative ? "-" : "";
  scientific += n.digits[first];
  if (last > first) scientific += '.' + n.digits.substr(first + 1, last - first);
  scientific += 'e' + std::to_string(scale);
  double value = 0;
  const char* end = scientific.data() + scientific.size();
  const auto [ptr, ec] = std::from_chars(scientific.data(), end, value);
  if (ec == std::errc::result_out_of_range && scale < 0) return zero;
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) throw CalcFailure{};
  return value;
}

// The number without one "$" standing first or right after the sign. The
// digits must follow the "$" at once.
std::string WithoutDollar(std::string_view number) {
  const std::size_t at = !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0;
  std::string plain{number};
  if (at < plain.size() && plain[at] == '$') {
    plain.erase(at, 1);
    if (at < plain.size() && plain[at] == ' ') throw CalcFailure{};
  }
  return plain;
}

bool IsDigitAt(std::string_view s, std::size_t i) { return i < s.size() && IsDigit(s[i]); }

// The number written with "," and "." in place of the separators, or nothing
// when it holds a "," or "." that the separators do not use.
std::optional<std::string> WithDefaultSeparators(std::string_view number,
                                                 const Separators& separators) {
  std::string out;
  for (std::size_t i = 0; i < number.size();) {
    const std::string_view rest = number.substr(i);
    if (rest.starts_with(separators.grouping)) {
      out += ',', i += separators.grouping.size();
    } else if (rest.starts_with(separators.decimal)) {
      out += '.', i += separators.decimal.size();
    } else if (number[i] == ',' || number[i] == '.') {
      return std::nullopt;
    } else if (number[i] == ' ' && separators.groupsWithSpace() && i > 0 &&
               IsDigit(number[i - 1]) && IsDigitAt(number, i + 1)) {
      out += ',', ++i;
    } else {
      out += number[i++];
    }
  }
  return out;
}

// Whether the number holds a "," or "." that the separators use the other
// way round: read with the default separators it would change its value.
bool UsesDefaultSeparatorsOtherwise(std::string_view number, const Separators& separators) {
  return (separators.grouping == "." && number.find('.') != std::string_view::npos) ||
         (separators.decimal == "," && number.find(',') != std::string_view::npos);
}

}  // namespace

double FieldToNumber(std::string_view text, const Separators& separators) {
  const std::string number = WithoutDollar(TrimSpaces(text));
  if (const auto local = WithDefaultSeparators(number, separators)) {
    return NearestDouble(ReadWrittenNumber(*local));
  }
  if (UsesDefaultSeparatorsOtherwise(number, separators)) throw CalcFailure{};
  return NearestDouble(ReadWrittenNumber(number));
}

std::int16_t FieldToInteger(std::string_view text, const Separators& separators) {
  return RoundToInt16(FieldToNumber(text, separators));
}

}  // namespace sw
