#pragma once

#include <cstdint>

namespace sw {

// Principal still owed after `payments` monthly payments, carried forward
// month by month. No month is processed when payments <= 0.
double RemainingPrincipal(double principal, double payment, double yearlyRate,
                          std::int16_t payments);

}  // namespace sw
