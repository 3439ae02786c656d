#pragma once

#include <ostream>
#include <string_view>

#include "loan/amortization.h"

namespace sw::cli {

// The report text with each CRLF line break written as "\n".
void WriteReportLines(std::string_view reportText, std::ostream& out);

// A header and one row a month; every number in its shortest round-trip form.
void WriteCsv(const Amortization& table, std::ostream& out);

// The inputs, the payment and the rows as one JSON object.
void WriteJson(const Amortization& table, std::ostream& out);

}  // namespace sw::cli
