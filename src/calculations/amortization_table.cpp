#include "calculations/amortization_table.h"

#include "calculations/messages.h"
#include "numeric/calc_failure.h"
#include "numeric/field_value.h"
#include "report/amortization_report.h"

namespace sw {

AmortizationOutcome ComputeAmortization(std::string_view principal, std::string_view yearlyRate,
                                        std::string_view years, const Separators& separators) {
  try {
    const double P = FieldToNumber(principal, separators);
    const double I = FieldToNumber(yearlyRate, separators);
    const std::int16_t N = FieldToInteger(years, separators);
    if (!(P > 0)) return std::string{amortization_message::kPrincipal};
    if (I < 0) return std::string{amortization_message::kInterest};
    if (!(N > 0)) return std::string{amortization_message::kYears};
    return AmortizationSchedule(P, I, N);
  } catch (const CalcFailure&) {
    return std::string{amortization_message::kGeneral};
  }
}

std::string AmortizationReport(std::string_view principal, std::string_view yearlyRate,
                               std::string_view years, const Separators& separators) {
  const AmortizationOutcome outcome = ComputeAmortization(principal, yearlyRate, years, separators);
  if (const auto* message = std::get_if<std::string>(&outcome)) return *message;
  return FormatAmortization(std::get<Amortization>(outcome), separators);
}

}  // namespace sw
