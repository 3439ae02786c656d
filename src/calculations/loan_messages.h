#pragma once

#include <string_view>

namespace sw::loan_message {

inline constexpr std::string_view kPayment =
    "Non-zero values must be entered in the Principal, Interest and Years boxes";
inline constexpr std::string_view kPrincipal =
    "Non-zero values must be entered in the Monthly Payment, Interest and Years boxes";
inline constexpr std::string_view kTerm =
    "Non-zero values must be entered in the Monthly Payment, Principal, and Interest boxes";
inline constexpr std::string_view kRate =
    "Non-zero values must be entered in the Monthly Payment, Principal, and Years boxes";
inline constexpr std::string_view kRemaining =
    "Non-zero values must be entered in the Monthly Payment, Principal, Interest, and "
    "'After' boxes";

}  // namespace sw::loan_message
