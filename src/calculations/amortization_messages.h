#pragma once

#include <string_view>

namespace sw::amortization_message {

inline constexpr std::string_view kPrincipal = "Please fill in the Principal of the loan";
inline constexpr std::string_view kInterest = "Please fill in the interest for the loan";
inline constexpr std::string_view kYears =
    "Please fill in the number of years to spread payments across";
inline constexpr std::string_view kGeneral =
    "Please fill in the Principal, Interest, and Years of the loan";

}  // namespace sw::amortization_message
