#pragma once

#include <string>
#include <string_view>

#include "loan/amortization.h"

namespace sw {

// Report lines are joined by carriage return and line feed.
inline constexpr std::string_view kReportLineBreak = "\r\n";

// Title, two header lines and one row a month, every line ending in CRLF.
std::string FormatAmortization(const Amortization& table);

// The report text for the three field texts: the table, or its one-line
// failure message (no line break).
std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years);

}  // namespace sw
