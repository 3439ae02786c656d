#pragma once

#include <ostream>

#include "loan/amortization.h"

namespace sw {

// The schedule's own numbers for other programs to read: every number in
// its shortest round-trip form, unrounded and in no locale.

// A header and one row a month.
void WriteCsv(const Amortization& table, std::ostream& out);

// The inputs, the payment and the rows as one JSON object.
void WriteJson(const Amortization& table, std::ostream& out);

}  // namespace sw
