#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "loan/amortization.h"
#include "numeric/separators.h"

namespace sw {

// The loan window's calculations from field texts to result text. Each
// reads its fields in the window's order and returns exactly what is
// written into the result field, numbers read and written with
// `separators`; any failure throws CalcFailure.
std::string PaymentField(const Separators& separators, std::string_view principal,
                         std::string_view rate, std::string_view years);
std::string PrincipalField(const Separators& separators, std::string_view payment,
                           std::string_view rate, std::string_view years);
std::string TermField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view rate);
std::string RateField(const Separators& separators, std::string_view principal,
                      std::string_view payment, std::string_view years);
std::string RemainingField(const Separators& separators, std::string_view principal,
                           std::string_view payment, std::string_view rate,
                           std::string_view payments);

// The table of the loan given by the texts of the principal, rate and years
// fields, read with `separators`, or the one-line message that explains why
// there is none.
using AmortizationOutcome = std::variant<Amortization, std::string>;
AmortizationOutcome ComputeAmortization(std::string_view principal, std::string_view yearlyRate,
                                        std::string_view years, const Separators& separators = {});

// The report text for the three field texts, read and written with
// `separators`: the table, or its one-line failure message (no line break).
std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years, const Separators& separators = {});

}  // namespace sw
