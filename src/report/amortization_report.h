#pragma once

#include <string>
#include <string_view>

#include "loan/amortization.h"

namespace sw {

// Title, two header lines and one row a month, every line ending in a line
// feed, as the report window's text box takes it (a report file writes
// CR LF); numbers written with `separators`.
std::string FormatAmortization(const Amortization& table, const Separators& separators = {});

// The report text for the three field texts, read and written with
// `separators`: the table, or its one-line failure message (no line break).
std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years, const Separators& separators = {});

}  // namespace sw
