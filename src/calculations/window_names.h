#pragma once

// The names that the calculators' window designs give their windows and
// controls, for everything that reaches a control by name: the designs
// themselves, the handlers and the catalogue of field calculations. A name
// spelt wrong in any of them fails to compile.
namespace sw::loan_window {

inline constexpr char kName[] = "frmAPIN";

inline constexpr char kPayment[] = "txtA";
inline constexpr char kPrincipal[] = "txtP";
inline constexpr char kRate[] = "txtI";
inline constexpr char kYears[] = "txtN";
inline constexpr char kPaymentsMade[] = "txtMonths";
inline constexpr char kRemaining[] = "txtRemaining";

inline constexpr char kCalculatePayment[] = "cmdApin";
inline constexpr char kCalculatePrincipal[] = "cmdPain";
inline constexpr char kCalculateYears[] = "cmdNaip";
inline constexpr char kCalculateRate[] = "cmdIpan";
inline constexpr char kCalculateRemaining[] = "cmdRemaining";

}  // namespace sw::loan_window

namespace sw::drawdown_window {

inline constexpr char kName[] = "frmDrawDown";

inline constexpr char kStartBalance[] = "txtStartBalance";
inline constexpr char kRate[] = "txtInterest";
inline constexpr char kWithdrawal[] = "txtA";
inline constexpr char kMonths[] = "txtN";
inline constexpr char kHowLong[] = "txtHowLong";
inline constexpr char kBalanceLeft[] = "txtRemaining";

inline constexpr char kCalculateHowLong[] = "cmdHowLong";
inline constexpr char kCalculateHowMuch[] = "cmdHowMuch";

}  // namespace sw::drawdown_window
