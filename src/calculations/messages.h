#pragma once

#include <string_view>

// The messages shown when a calculation fails: one per calculate button,
// and for the amortization table one per field at fault.

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

namespace sw::drawdown_message {

inline constexpr std::string_view kHowLong =
    "Non-zero values must be entered in the Principal, Interest and Monthly withdrawal boxes";
inline constexpr std::string_view kHowMuch =
    "Non-zero values must be entered in the Principal, Interest, Monthly withdrawal, and "
    "'After' boxes";

}  // namespace sw::drawdown_message

namespace sw::amortization_message {

inline constexpr std::string_view kPrincipal = "Please fill in the Principal of the loan";
inline constexpr std::string_view kInterest = "Please fill in the interest for the loan";
inline constexpr std::string_view kYears =
    "Please fill in the number of years to spread payments across";
inline constexpr std::string_view kGeneral =
    "Please fill in the Principal, Interest, and Years of the loan";

}  // namespace sw::amortization_message
