#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

namespace sw {

// The draw-down window's calculations from field texts to result text,
// numbers read and written with `separators`; any failure throws
// CalcFailure.
std::string HowLongField(const Separators& separators, std::string_view startBalance,
                         std::string_view rate, std::string_view withdrawal);
std::string HowMuchField(const Separators& separators, std::string_view startBalance,
                         std::string_view rate, std::string_view withdrawal,
                         std::string_view months);

}  // namespace sw
