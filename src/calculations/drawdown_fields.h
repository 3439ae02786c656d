#pragma once

#include <cstdint>
#include <optional>
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

// "forever", "21 months".
std::string FormatHowLong(std::optional<std::int16_t> months);
// "$9,383.22", "$-1,427.61" with the default separators.
std::string FormatHowMuch(double balance, const Separators& separators = {});

}  // namespace sw
