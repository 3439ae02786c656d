#pragma once

#include <string>
#include <string_view>

namespace sw {

// The draw-down window's calculations from field texts to result text;
// any failure throws CalcFailure.
std::string HowLongField(std::string_view startBalance, std::string_view rate,
                         std::string_view withdrawal);
std::string HowMuchField(std::string_view startBalance, std::string_view rate,
                         std::string_view withdrawal, std::string_view months);

}  // namespace sw
