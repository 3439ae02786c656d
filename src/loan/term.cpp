#include "loan/term.h"

#include "numeric/checked.h"

namespace sw {

std::optional<double> LoanTerm(double principal, double payment, double yearlyRate) {
  const Checked P = principal;
  const Checked A = payment;
  const Checked r = Checked{yearlyRate} / 1200;
  Checked n = 0.0;
  if (r > 0) {
    const Checked d = A - P * r;
    if (d <= 0) return std::nullopt;  // the payment never covers the interest
    n = ln(A / d) / ln(r + 1);
  } else {
    n = P / A;  // no interest
  }
  return (n / 12).value();
}

}  // namespace sw
