#pragma once

namespace sw {

// Monthly compounding, equal payments at the end of each month.
// principal and payment in currency, yearlyRate in percent, years may be
// fractional. Each throws CalcFailure on any arithmetic fault.
double MonthlyPayment(double principal, double yearlyRate, double years);
double LoanPrincipal(double payment, double yearlyRate, double years);

// MonthlyPayment over a number of months instead of years.
double MonthlyPaymentOver(double principal, double yearlyRate, double months);

}  // namespace sw
