#include "drawdown/drawdown.h"

#include <gtest/gtest.h>

#include "drawdown/drawdown_fields.h"
#include "field_result.h"

namespace sw {
namespace {

struct HowLongCase {
  const char* balance;
  const char* rate;
  const char* withdrawal;
  const char* expected;  // nullptr: the calculation fails
};

class HowLongFieldWrites : public testing::TestWithParam<HowLongCase> {};

TEST_P(HowLongFieldWrites, Result) {
  const auto& [B, R, W, expected] = GetParam();
  ExpectFieldResult(HowLongField, expected, B, R, W);
}

INSTANTIATE_TEST_SUITE_P(
    BalanceRateWithdrawal, HowLongFieldWrites,
    testing::Values(HowLongCase{"10000", "6", "500", "21 months"},
                    HowLongCase{"10000", "6", "49", "forever"},
                    HowLongCase{"10000", "6", "50", "6301 months"},
                    HowLongCase{"1000", "0", "300", "3 months"},
                    HowLongCase{"300", "0", "300", "1 months"},
                    HowLongCase{"100", "5", "200", "0 months"},
                    HowLongCase{"0", "6", "10", "0 months"}, HowLongCase{"0", "0", "0", "forever"},
                    HowLongCase{"1000", "6", "-10", "forever"},
                    HowLongCase{"32767", "0", "1", "32767 months"},
                    HowLongCase{"32768", "0", "1", nullptr},
                    HowLongCase{"1000", "-6", "0", nullptr},
                    HowLongCase{"1000", "-1200", "0", nullptr},
                    HowLongCase{"", "6", "500", nullptr},
                    HowLongCase{"1e308", "1200", "0", nullptr}));

struct HowMuchCase {
  const char* balance;
  const char* rate;
  const char* withdrawal;
  const char* months;
  const char* expected;  // nullptr: the calculation fails
};

class HowMuchFieldWrites : public testing::TestWithParam<HowMuchCase> {};

TEST_P(HowMuchFieldWrites, Result) {
  const auto& [B, R, W, n, expected] = GetParam();
  ExpectFieldResult(HowMuchField, expected, B, R, W, n);
}

INSTANTIATE_TEST_SUITE_P(
    BalanceRateWithdrawalMonths, HowMuchFieldWrites,
    testing::Values(HowMuchCase{"10000", "6", "100", "12", "$9,383.22"},
                    HowMuchCase{"10000", "6", "100", "0", "$10,000.00"},
                    HowMuchCase{"10000", "6", "100", "-5", "$10,000.00"},
                    HowMuchCase{"10000", "6", "100", "-32767", "$10,000.00"},
                    HowMuchCase{"1000", "12", "100", "24", "$-1,427.61"},
                    HowMuchCase{"10000", "6", "100", "12.5", "$9,383.22"},
                    HowMuchCase{"10000", "0", "100", "12", nullptr},
                    HowMuchCase{"10000", "0", "0", "0", nullptr},
                    HowMuchCase{"10000", "6", "100", "-32768", nullptr},
                    HowMuchCase{"10000", "6", "100", "32768", nullptr},
                    HowMuchCase{"10000", "100", "100", "32767", nullptr},
                    HowMuchCase{"10000", "6", "", "12", nullptr}));

TEST(HowMuch, RunsTheLongestCountWithoutFailing) {
  EXPECT_NO_THROW(HowMuch(10000, 0.01, 1, 32767));
}

}  // namespace
}  // namespace sw
