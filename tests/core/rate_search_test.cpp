#include "loan/rate_search.h"

#include <gtest/gtest.h>

#include <vector>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "field_result.h"

namespace sw {
namespace {

std::vector<RateSearchPass> Passes(double P, double A, double N) {
  std::vector<RateSearchPass> passes;
  InterestRate(P, A, N, [&](const RateSearchPass& p) { passes.push_back(p); });
  return passes;
}

TEST(InterestRate, HalvesPassByPassTowardsSixPercent) {
  const RateSearchPass expected[] = {
      {10, 877.5716, 0, 10},
      {5, 536.8216, 5, 10},
      {7.5, 699.2145, 5, 7.5},
      {6.25, 615.7172, 5, 6.25},
      {5.625, 575.6564, 5.625, 6.25},
      {5.9375, 595.5382, 5.9375, 6.25},
      {6.09375, 605.5911, 5.9375, 6.09375},
      {6.015625, 600.5555, 5.9375, 6.015625},
      {5.9765625, 598.0445, 5.9765625, 6.015625},
      {5.99609375, 599.2994, 5.99609375, 6.015625},
      {6.005859375, 599.9273, 5.99609375, 6.005859375},
      {6.0009765625, 599.6133, 5.99609375, 6.0009765625},
      {5.99853515625, 599.4564, 5.99853515625, 6.0009765625},
      {5.999755859375, 599.5348, 5.999755859375, 6.0009765625},
      {6.0003662109375, 599.5741, 5.999755859375, 6.0003662109375},
  };
  const auto passes = Passes(100000, 599.55, 30);
  ASSERT_EQ(passes.size(), std::size(expected));
  for (std::size_t i = 0; i < passes.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(passes[i].trial, expected[i].trial);
    EXPECT_NEAR(passes[i].payment, expected[i].payment, 5e-5);
    EXPECT_EQ(passes[i].lower, expected[i].lower);
    EXPECT_EQ(passes[i].upper, expected[i].upper);
  }
}

TEST(InterestRate, LastTrialIsTheResult) {
  EXPECT_EQ(InterestRate(1000, 500, 1), 595.2264404296875);
  EXPECT_EQ(Passes(1000, 500, 1).size(), 20u);
  EXPECT_EQ(InterestRate(100000, 0, 30), 0.00030517578125);
  EXPECT_EQ(Passes(100000, 0, 30).size(), 16u);
}

TEST(InterestRate, EndsWhenATrialHitsTheTargetExactly) {
  EXPECT_EQ(InterestRate(0, 0, 30), 10);
  EXPECT_EQ(Passes(0, 0, 30).size(), 1u);
}

struct RateCase {
  const char* name;
  const char* principal;
  const char* payment;
  const char* years;
  const char* expected;  // nullptr: the calculation fails
};

class RateFieldWrites : public testing::TestWithParam<RateCase> {};

TEST_P(RateFieldWrites, Result) {
  const auto& [name, P, A, N, expected] = GetParam();
  ExpectFieldResult(RateField, expected, P, A, N);
}

INSTANTIATE_TEST_SUITE_P(
    PrincipalPaymentYears, RateFieldWrites,
    testing::Values(RateCase{"WorkedExample", "100000", "599.55", "30", "6.000"},
                    RateCase{"VeryHighRate", "1000", "500", "1", "595.226"},
                    RateCase{"ZeroPayment", "100000", "0", "30", "0.000"},
                    RateCase{"PaymentTooSmall", "100000", "200", "30", "0.000"},
                    RateCase{"NothingLent", "0", "0", "30", "10.000"},
                    RateCase{"ZeroYears", "100000", "599.55", "0", nullptr},
                    RateCase{"PaymentFarAbovePrincipal", "1", "5000", "2", nullptr},
                    RateCase{"NegativePrincipal", "-1000", "100", "30", nullptr},
                    RateCase{"YearsInfinite", "100000", "599.55", "Infinite", nullptr},
                    RateCase{"EmptyYears", "100000", "599.55", "", nullptr}),
    CaseName{});

}  // namespace
}  // namespace sw
