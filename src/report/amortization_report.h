#pragma once

#include <string>
#include <string_view>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// Report lines are joined by carriage return and line feed.
inline constexpr std::string_view kReportLineBreak = "\r\n";

// Title, two header lines and one row a month, every line ending in CRLF;
// numbers written with `separators`.
std::string FormatAmortization(const Amortization& table, const Separators& separators = {});

}  // namespace sw
