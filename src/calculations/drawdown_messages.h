#pragma once

#include <string_view>

namespace sw::drawdown_message {

inline constexpr std::string_view kHowLong =
    "Non-zero values must be entered in the Principal, Interest and Monthly withdrawal boxes";
inline constexpr std::string_view kHowMuch =
    "Non-zero values must be entered in the Principal, Interest, Monthly withdrawal, and "
    "'After' boxes";

}  // namespace sw::drawdown_message
