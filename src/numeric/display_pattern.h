#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// Writes a finite value in a numeric picture such as "###,##0.00": rounded
// half away from zero to the fraction's number of "0" characters, all
// integer digits shown, leading zeros up to the integer part's "0" count,
// groups of three when the integer part holds a ",". The pattern's "," and
// "." are placeholders: the text groups with `separators.grouping` and
// writes `separators.decimal` as its point. Every output reads back through
// FieldToNumber with the same separators.
std::string FormatWithPattern(double value, std::string_view pattern,
                              const Separators& separators = {});

namespace pattern {
inline constexpr std::string_view kPayment = "###,##0.00";
inline constexpr std::string_view kBalance = "#,###,##0.00";
inline constexpr std::string_view kRate = "##0.000";
inline constexpr std::string_view kTitleRate = "#0.000";
inline constexpr std::string_view kYears = "0.00";
inline constexpr std::string_view kMonthNumber = "000";
inline constexpr std::string_view kMonthlyInterest = "#,###,##00.00";
inline constexpr std::string_view kMonthlyPrincipal = "#,##,##0.00";
}  // namespace pattern

}  // namespace sw
