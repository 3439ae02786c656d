#pragma once

#include <string>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// One self-contained, printable HTML page of the loan, written so that it
// is also well-formed XML: the report's title, a summary (payment, number
// of payments, and totals that add the cents the table shows), the chart
// inline, and the whole table with the report's digits in `separators`.
// Nothing is fetched and nothing runs. In print the column headers repeat
// on every page and no row is split.
std::string SchedulePage(const Amortization& table, const Separators& separators);

}  // namespace sw
