#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// The table of the loan given by the texts of the principal, rate and years
// fields, read with `separators`, or the one-line message that explains why
// there is none.
using AmortizationOutcome = std::variant<Amortization, std::string>;
AmortizationOutcome ComputeAmortization(std::string_view principal,
                                        std::string_view yearlyRate,
                                        std::string_view years,
                                        const Separators& separators = {});

// The report text for the three field texts, read and written with
// `separators`: the table, or its one-line failure message (no line break).
std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years, const Separators& separators = {});

}  // namespace sw
