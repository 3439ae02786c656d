#pragma once

// The names that the calculators' window designs give their windows, controls
// and menu entries, for everything that reaches a control by name: the designs
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

inline constexpr char kAmortizationTable[] = "mnuAmortTable";
inline constexpr char kGoToDrawDown[] = "mnuGoToUDDC";
inline constexpr char kHowTo[] = "mnuHowTo";
inline constexpr char kAbout[] = "mnuAbout";

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

inline constexpr char kGoToLoan[] = "mnuGoToFC";
inline constexpr char kWhatIsThis[] = "mnuWhat";
inline constexpr char kAbout[] = "mnuAbout";

}  // namespace sw::drawdown_window
