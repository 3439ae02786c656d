#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// Field text to number: optional spaces around, an optional sign, an
// optional "$" before the number or right after its sign, digits with
// grouping separators allowed anywhere before the decimal point, an
// optional fraction and exponent. Where the grouping separator is a space,
// a plain space between two digits groups as well. A text that the
// separators cannot read is read with "," and "." instead, unless it uses
// one of them the other way round from `separators` (where "." groups,
// "1.234" is never 1.234). Anything else, or a number beyond the double
// range, throws CalcFailure. A value too small for a double reads as zero
// or a denormal.
double FieldToNumber(std::string_view text, const Separators& separators = {});

// FieldToNumber, then RoundToInt16 (numeric/checked.h).
std::int16_t FieldToInteger(std::string_view text, const Separators& separators = {});

// FieldToNumber of each text, read first to last.
template <typename... Texts>
std::array<double, sizeof...(Texts)> FieldsToNumbers(const Separators& separators,
                                                     const Texts&... texts) {
  return {FieldToNumber(texts, separators)...};
}

}  // namespace sw
