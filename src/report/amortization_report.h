#pragma once

#include <array>
#include <string>
#include <string_view>

#include "loan/amortization.h"
#include "numeric/display_pattern.h"
#include "numeric/separators.h"

namespace sw {

// The patterns of a report row's four numbers, in the order RowNumbers
// gives them: the month, its interest, the principal repaid and the
// principal still owed.
inline constexpr std::array<DisplayPattern, 4> kRowPatterns{
    DisplayPattern{pattern::kMonthNumber}, DisplayPattern{pattern::kMonthlyInterest},
    DisplayPattern{pattern::kMonthlyPrincipal}, DisplayPattern{pattern::kBalance}};

inline std::array<double, 4> RowNumbers(const AmortizationRow& row) {
  return {static_cast<double>(row.month), row.interest, row.principal, row.balance};
}

// The report's title line without its line feed: "Amortization Table for
// 10,000.00 at 7.500% for 1 years".
std::string AmortizationTitle(const Amortization& table, const Separators& separators = {});

// Title, two header lines and one row a month, every line ending in a line
// feed, as the report window's text box takes it (a report file writes
// CR LF); numbers written with `separators`.
std::string FormatAmortization(const Amortization& table, const Separators& separators = {});

}  // namespace sw
