#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// A numeric picture such as "###,##0.00", read once: the number of "0"
// characters before and after its ".", and whether the integer part holds
// a ",".
class DisplayPattern {
 public:
  constexpr explicit DisplayPattern(std::string_view picture) {
    const std::size_t point = picture.find('.');
    const std::string_view integerPart = picture.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view{} : picture.substr(point + 1);
    minIntegerDigits_ = static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    decimals_ = static_cast<int>(std::count(fractionPart.begin(), fractionPart.end(), '0'));
    grouped_ = integerPart.find(',') != std::string_view::npos;
  }

  constexpr int minIntegerDigits() const { return minIntegerDigits_; }
  constexpr int decimals() const { return decimals_; }
  constexpr bool grouped() const { return grouped_; }

  // The longest text WriteWithPattern can write for any double.
  std::size_t maxLength(const Separators& separators) const;

 private:
  int minIntegerDigits_ = 0;
  int decimals_ = 0;
  bool grouped_ = false;
};

// Writes a finite value in the pattern: rounded half away from zero to the
// fraction's number of "0" characters, all integer digits shown, leading
// zeros up to the integer part's "0" count, groups of three when the
// integer part holds a ",". The pattern's "," and "." are placeholders: the
// text groups with `separators.grouping` and writes `separators.decimal` as
// its point. Every output reads back through FieldToNumber with the same
// separators.
//
// Writes into `out`, which has room for pattern.maxLength(separators)
// characters, and returns the end of the text. Allocates nothing.
char* WriteWithPattern(char* out, double value, const DisplayPattern& pattern,
                       const Separators& separators = {});

// Writes a non-negative decimal known exactly by its digits, such as a sum
// of cents too long for a double, as WriteWithPattern writes a value: the
// point stands after the first `point` of `digits` (it may lie before the
// first or past the last, the missing digits being zeros), and exactly the
// pattern's decimals are written, later digits cut. `out` has room for the
// digits, the point, the groups and the pattern's leading zeros.
char* WriteDigitsWithPattern(char* out, std::string_view digits, int point,
                             const DisplayPattern& pattern, const Separators& separators = {});

std::string FormatWithPattern(double value, const DisplayPattern& pattern,
                              const Separators& separators = {});
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
