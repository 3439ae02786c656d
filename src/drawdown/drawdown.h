#pragma once

#include <cstdint>
#include <optional>

namespace sw {

// Months that a balance lasts under equal end-of-month withdrawals with
// monthly compounding, or no value when it does not fall in the first
// month ("forever"). Throws CalcFailure past 32767 months.
std::optional<std::int16_t> HowLong(double startBalance, double yearlyRate, double withdrawal);

// Balance left after `months` withdrawals, in closed form; may go negative.
double HowMuch(double startBalance, double yearlyRate, double withdrawal, std::int16_t months);

}  // namespace sw
