#pragma once

#include <string>
#include <string_view>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// Title, two header lines and one row a month, every line ending in a line
// feed, as the report window's text box takes it (a report file writes
// CR LF); numbers written with `separators`.
std::string FormatAmortization(const Amortization& table, const Separators& separators = {});

}  // namespace sw
