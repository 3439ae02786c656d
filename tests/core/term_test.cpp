#include "loan/term.h"

#include <gtest/gtest.h>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "field_result.h"

namespace sw {
namespace {

struct TermCase {
  const char* name;
  const char* principal;
  const char* payment;
  const char* rate;
  const char* expected;  // nullptr: the calculation fails
};

class TermFieldWrites : public testing::TestWithParam<TermCase> {};

TEST_P(TermFieldWrites, Result) {
  const auto& [name, P, A, I, expected] = GetParam();
  ExpectFieldResult(TermField, expected, P, A, I);
}

INSTANTIATE_TEST_SUITE_P(
    PrincipalPaymentRate, TermFieldWrites,
    testing::Values(TermCase{"WorkedExample", "100000", "599.55", "6", "30.00"},
                    TermCase{"PaymentEqualsInterest", "100000", "500", "6", "Infinite"},
                    TermCase{"PaymentBelowInterest", "100000", "400", "6", "Infinite"},
                    TermCase{"ZeroPayment", "100000", "0", "6", "Infinite"},
                    TermCase{"ZeroRate", "120000", "1000", "0", "10.00"},
                    TermCase{"NegativeRate", "120000", "1000", "-5", "10.00"},
                    TermCase{"ZeroRateAndPayment", "1000", "0", "0", nullptr},
                    TermCase{"AllZero", "0", "0", "0", nullptr},
                    TermCase{"NothingLent", "0", "100", "6", "0.00"},
                    TermCase{"NothingLentNothingPaid", "0", "0", "6", "Infinite"},
                    TermCase{"NegativePrincipal", "-1000", "100", "6", "-0.82"},
                    TermCase{"BothNegative", "-100000", "-100", "6", nullptr},
                    TermCase{"SlightlyLargerPayment", "100000", "600", "6", "29.94"},
                    TermCase{"MuchLargerPayment", "100000", "1000", "6", "11.58"},
                    TermCase{"PaymentInfinite", "100000", "Infinite", "6", nullptr},
                    TermCase{"EmptyPrincipal", "", "599.55", "6", nullptr}),
    CaseName{});

TEST(LoanTerm, IsNotRoundedToWholeMonths) {
  EXPECT_NEAR(*LoanTerm(100000, 600, 6) * 12, 359.25, 0.005);
  EXPECT_NEAR(*LoanTerm(100000, 599.55, 6), 30.0000735, 5e-8);
}

}  // namespace
}  // namespace sw
