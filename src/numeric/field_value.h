#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sw {

// Field text to number: optional spaces around, an optional sign, digits
// with "," grouping allowed anywhere before the decimal point, an optional
// fraction and exponent. Anything else, or a number beyond the double
// range, throws CalcFailure. A value too small for a double reads as zero
// or a denormal.
double FieldToNumber(std::string_view text);

// Nearest integer with ties to even; outside the type's range throws.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// FieldToNumber, then RoundToInt16.
std::int16_t FieldToInteger(std::string_view text);

// FieldToNumber of each text, read first to last.
template <typename... Texts>
std::array<double, sizeof...(Texts)> FieldsToNumbers(const Texts&... texts) {
  return {FieldToNumber(texts)...};
}

}  // namespace sw
