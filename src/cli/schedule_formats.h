#pragma once

#include <ostream>

#include "loan/amortization.h"

namespace sw::cli {

// A header and one row a month; every number in its shortest round-trip form.
void WriteCsv(const Amortization& table, std::ostream& out);

// The inputs, the payment and the rows as one JSON object.
void WriteJson(const Amortization& table, std::ostream& out);

}  // namespace sw::cli
