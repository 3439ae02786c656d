#include "loan/payment.h"

#include <gtest/gtest.h>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "field_result.h"
#include "numeric/growth_factor.h"

namespace sw {
namespace {

struct LoanCase {
  const char* name;
  const char* first;
  const char* rate;
  const char* years;
  const char* expected;  // nullptr: the calculation fails
};

class PaymentFieldWrites : public testing::TestWithParam<LoanCase> {};
TEST_P(PaymentFieldWrites, Result) {
  const auto& [name, P, I, N, expected] = GetParam();
  ExpectFieldResult(PaymentField, expected, P, I, N);
}

INSTANTIATE_TEST_SUITE_P(
    PrincipalRateYears, PaymentFieldWrites,
    testing::Values(LoanCase{"WorkedExample", "100000", "6", "30", "599.55"},
                    LoanCase{"Million", "1000000", "6", "30", "5,995.51"},
                    LoanCase{"OneMonth", "1000", "12", "0.125", "1,010.00"},
                    LoanCase{"HalfMonthRounds", "1000", "12", "0.375", "206.04"},
                    LoanCase{"NegativePrincipal", "-100000", "6", "30", "-599.55"},
                    LoanCase{"NegativeRate", "100000", "-6", "30", "98.48"},
                    LoanCase{"AllInterestEachMonth", "1000", "1200", "30", "1,000.00"},
                    LoanCase{"GroupedPrincipal", "99,999.91", "6", "30", "599.55"},
                    LoanCase{"ZeroPrincipal", "0", "6", "30", "0.00"},
                    LoanCase{"LongestTerm", "100000", "6", "2730.625", "500.00"},
                    LoanCase{"GrowthOverflows", "1000", "12000", "30", nullptr},
                    LoanCase{"ZeroRate", "1000", "0", "30", nullptr},
                    LoanCase{"ZeroYears", "1000", "6", "0", nullptr},
                    LoanCase{"NegativeYears", "1000", "6", "-1", nullptr},
                    LoanCase{"PastTheLongestTerm", "100000", "6", "2730.7", nullptr},
                    LoanCase{"WellPastTheLongestTerm", "100000", "6", "2731", nullptr},
                    LoanCase{"YearsInfinite", "100000", "6", "Infinite", nullptr},
                    LoanCase{"AllEmpty", "", "", "", nullptr},
                    LoanCase{"RateTooSmallToGrow", "100000", "1e-20", "30", nullptr}),
    CaseName{});

class PrincipalFieldWrites : public testing::TestWithParam<LoanCase> {};
TEST_P(PrincipalFieldWrites, Result) {
  const auto& [name, A, I, N, expected] = GetParam();
  ExpectFieldResult(PrincipalField, expected, A, I, N);
}

INSTANTIATE_TEST_SUITE_P(
    PaymentRateYears, PrincipalFieldWrites,
    testing::Values(LoanCase{"WorkedExample", "599.55", "6", "30", "99,999.91"},
                    LoanCase{"OneYear", "1000", "12", "1", "11,255.08"},
                    LoanCase{"ZeroYears", "1000", "6", "0", "0.00"},
                    LoanCase{"ZeroPayment", "0", "6", "30", "0.00"},
                    LoanCase{"ZeroRate", "1000", "0", "30", nullptr},
                    LoanCase{"EmptyPayment", "", "6", "30", nullptr},
                    LoanCase{"YearsInfinite", "599.55", "6", "Infinite", nullptr}),
    CaseName{});

TEST(GrowthFactor, RoundsMonthsHalfToEven) {
  const double r = 0.01;
  EXPECT_EQ(GrowthFactor(r, 29.5), GrowthFactor(r, 29));  // 28.5 rounds to 28: 29 months
  EXPECT_EQ(GrowthFactor(r, 30.5), GrowthFactor(r, 31));  // 29.5 rounds to 30: 31 months
  EXPECT_EQ(GrowthFactor(r, 1.5), 1.01);                  // 0.5 rounds to 0: one month
  EXPECT_EQ(GrowthFactor(r, 0.4), 1.0);                   // under half a month: none
  EXPECT_EQ(GrowthFactor(r, -100), 1.0);
}

// 1.005^360 is 6.0225752122632...; 360 rounded multiplications end at
// 6.0225752122629821 and pow() at 6.0225752122629865.
TEST(GrowthFactor, MultipliesOncePerMonthInOrder) {
  EXPECT_EQ(GrowthFactor(0.005, 360), 0x1.8171df4d97aa4p+2);
  EXPECT_NE(GrowthFactor(0.005, 360), 6.0225752122629865);
}

TEST(GrowthFactor, CounterLimits) {
  EXPECT_NO_THROW(GrowthFactor(0.0001, 32767));
  EXPECT_THROW(GrowthFactor(0.0001, 32768), CalcFailure);  // counter must reach 32767
  EXPECT_THROW(GrowthFactor(0.0001, 32769), CalcFailure);  // rounding leaves 16 bits
  EXPECT_THROW(GrowthFactor(10, 360), CalcFailure);        // overflow
}

TEST(MonthlyPayment, KnownDigits) {
  EXPECT_NEAR(MonthlyPayment(100000, 6, 30), 599.550525, 5e-7);
  EXPECT_NEAR(LoanPrincipal(599.55, 6, 30), 99999.912409, 5e-7);
}

}  // namespace
}  // namespace sw
