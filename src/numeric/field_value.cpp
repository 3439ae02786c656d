#include "numeric/field_value.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "numeric/calc_failure.h"

namespace sw {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Checks the grammar strictly and returns the number without sign-plus and
// grouping separators, ready for from_chars, which alone would stop at the
// first "," and would take "inf" and "nan".
std::string Normalise(std::string_view s) {
  std::string out;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') out += '-';
    ++i;
  }
  bool anyDigit = false;
  for (; i < s.size() && (IsDigit(s[i]) || s[i] == ','); ++i) {
    if (s[i] != ',') out += s[i], anyDigit = true;
  }
  if (i < s.size() && s[i] == '.') {
    out += s[i++];
    for (; i < s.size() && IsDigit(s[i]); ++i) out += s[i], anyDigit = true;
  }
  if (!anyDigit) throw CalcFailure{};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    out += s[i++];
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
    if (i == s.size() || !IsDigit(s[i])) throw CalcFailure{};
    for (; i < s.size() && IsDigit(s[i]); ++i) out += s[i];
  }
  if (i != s.size()) throw CalcFailure{};
  return out;
}

bool HasNegativeExponent(const std::string& number) {
  const auto e = number.find_first_of("eE");
  return e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
}

}  // namespace

double FieldToNumber(std::string_view text) {
  const std::string number = Normalise(TrimSpaces(text));
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(number.data(), end, value);
  if (ec == std::errc::result_out_of_range && HasNegativeExponent(number)) {
    return number.front() == '-' ? -0.0 : 0.0;
  }
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) throw CalcFailure{};
  return value;
}

std::int16_t RoundToInt16(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= INT16_MIN && r <= INT16_MAX)) throw CalcFailure{};
  return static_cast<std::int16_t>(r);
}

std::int32_t RoundToInt32(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= INT32_MIN && r <= INT32_MAX)) throw CalcFailure{};
  return static_cast<std::int32_t>(r);
}

std::int16_t FieldToInteger(std::string_view text) { return RoundToInt16(FieldToNumber(text)); }

}  // namespace sw
