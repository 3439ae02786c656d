// Field text to number against the C library's exact reading of the same
// text, and every display pattern's text, with each locale's separators,
// read back to the value it shows.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "numeric/calc_failure.h"
#include "numeric/display_pattern.h"
#include "numeric/field_value.h"

namespace {

using sw::fuzz::Require;

constexpr std::string_view kPatterns[] = {
    sw::pattern::kPayment,         sw::pattern::kBalance,         sw::pattern::kRate,
    sw::pattern::kTitleRate,       sw::pattern::kYears,           sw::pattern::kMonthNumber,
    sw::pattern::kMonthlyInterest, sw::pattern::kMonthlyPrincipal};

std::optional<double> Read(std::string_view text, const sw::Separators& separators = {}) {
  try {
    return sw::FieldToNumber(text, separators);
  } catch (const sw::CalcFailure&) {
    return std::nullopt;
  }
}

bool Identical(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// strtod, correctly rounded, reading the whole of `text` or nothing.
std::optional<double> ReadExactly(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

// Over digits, point, exponent and signs alone the field grammar is the C
// grammar without "inf", "nan" and hexadecimal, so both must agree: same
// value, zero where the value underflows, failure where it overflows.
void CheckReading(std::string_view text) {
  for (const sw::Separators& separators : sw::test::kTestedLocales) {
    const auto value = Read(text, separators);
    Require(!value || std::isfinite(*value), "a field reads as a finite number", text);
  }
  const auto value = Read(text);
  if (text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return;
  const auto expected = ReadExactly(std::string{text});
  if (!expected || std::isinf(*expected)) {
    Require(!value, "a field the C library rejects or finds too large fails", text);
    return;
  }
  Require(value && Identical(*value, *expected), "a field reads as the nearest double", text);
}

// The shown text in the C library's spelling: no grouping, "." as point.
std::string PlainDecimal(std::string_view shown, const sw::Separators& separators) {
  std::string plain;
  for (std::size_t i = 0; i < shown.size();) {
    if (shown.substr(i).starts_with(separators.grouping)) {
      i += separators.grouping.size();
    } else if (shown.substr(i).starts_with(separators.decimal)) {
      plain += '.';
      i += separators.decimal.size();
    } else {
      plain += shown[i++];
    }
  }
  return plain;
}

// What a pattern shows must read back to the decimal value of the text, and
// showing that value again gives the same text.
void CheckPatterns(double value) {
  if (!std::isfinite(value)) return;
  for (const sw::Separators& separators : sw::test::kTestedLocales) {
    for (const std::string_view pattern : kPatterns) {
      const std::string shown = sw::FormatWithPattern(value, pattern, separators);
      const auto read = Read(shown, separators);
      Require(read.has_value(), "a shown value reads back", shown);
      const auto exact = ReadExactly(PlainDecimal(shown, separators));
      Require(exact && Identical(*read, *exact), "a shown value reads back exactly", shown);
      Require(sw::FormatWithPattern(*read, pattern, separators) == shown,
              "a read value shows the same", shown);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text{reinterpret_cast<const char*>(data), size};
  CheckReading(text);
  if (const auto value = Read(text)) CheckPatterns(*value);
  if (size >= sizeof(double)) {
    double bits;
    std::memcpy(&bits, data, sizeof bits);
    CheckPatterns(bits);
  }
  return 0;
}
