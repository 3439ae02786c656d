#pragma once

#include <array>
#include <string>
#include <string_view>

#include "loan/amortization.h"
#include "numeric/display_pattern.h"
#include "numeric/separators.h"

namespace sw {

// The columns of a report row, in the order they are written.
enum ReportColumn : std::size_t {
  kMonthColumn,
  kInterestColumn,   // the month's interest
  kPrincipalColumn,  // the principal repaid that month
  kBalanceColumn,    // the principal still owed after it
  kReportColumns
};

// The patterns of the columns, indexed by ReportColumn.
inline constexpr std::array<DisplayPattern, kReportColumns> kRowPatterns{
    DisplayPattern{pattern::kMonthNumber}, DisplayPattern{pattern::kMonthlyInterest},
    DisplayPattern{pattern::kMonthlyPrincipal}, DisplayPattern{pattern::kBalance}};

// A row's numbers, indexed by ReportColumn.
inline std::array<double, kReportColumns> RowNumbers(const AmortizationRow& row) {
  std::array<double, kReportColumns> numbers{};
  numbers[kMonthColumn] = static_cast<double>(row.month);
  numbers[kInterestColumn] = row.interest;
  numbers[kPrincipalColumn] = row.principal;
  numbers[kBalanceColumn] = row.balance;
  return numbers;
}

// How long a row's numbers can be, written in `separators`, without what
// stands between them: each column only rises or only falls, so none is
// longer than its first or last. Gives the room for the rows at once.
std::size_t LongestNumbers(const Amortization& table, const Separators& separators);

// The report's title line without its line feed: "Amortization Table for
// 10,000.00 at 7.500% for 1 years".
std::string AmortizationTitle(const Amortization& table, const Separators& separators = {});

// Title, two header lines and one row a month, every line ending in a line
// feed, as the report window's text box takes it (a report file writes
// CR LF); numbers written with `separators`.
std::string FormatAmortization(const Amortization& table, const Separators& separators = {});

}  // namespace sw
