#include "drawdown/drawdown.h"

#include <gtest/gtest.h>

#include "calculations/drawdown_fields.h"
#include "case_name.h"
#include "field_result.h"
#include "numeric/field_value.h"
#include "tested_locales.h"

namespace sw {
namespace {

struct HowLongCase {
  const char* name;
  const char* balance;
  const char* rate;
  const char* withdrawal;
  const char* expected;  // nullptr: the calculation fails
};

class HowLongFieldWrites : public testing::TestWithParam<HowLongCase> {};

TEST_P(HowLongFieldWrites, Result) {
  const auto& [name, B, R, W, expected] = GetParam();
  ExpectFieldResult(HowLongField, expected, B, R, W);
}

INSTANTIATE_TEST_SUITE_P(
    BalanceRateWithdrawal, HowLongFieldWrites,
    testing::Values(HowLongCase{"WorkedExample", "10000", "6", "500", "21 months"},
                    HowLongCase{"InterestCoversWithdrawal", "10000", "6", "49", "forever"},
                    HowLongCase{"WithdrawalEqualsInterest", "10000", "6", "50", "6301 months"},
                    HowLongCase{"ZeroRate", "1000", "0", "300", "3 months"},
                    HowLongCase{"OneWithdrawal", "300", "0", "300", "1 months"},
                    HowLongCase{"WithdrawalOverBalance", "100", "5", "200", "0 months"},
                    HowLongCase{"ZeroBalance", "0", "6", "10", "0 months"},
                    HowLongCase{"NothingAtAll", "0", "0", "0", "forever"},
                    HowLongCase{"NegativeWithdrawal", "1000", "6", "-10", "forever"},
                    HowLongCase{"LongestCount", "32767", "0", "1", "32767 months"},
                    HowLongCase{"PastTheLongestCount", "32768", "0", "1", nullptr},
                    HowLongCase{"NegativeRate", "1000", "-6", "0", nullptr},
                    HowLongCase{"RateTakesAllEachMonth", "1000", "-1200", "0", nullptr},
                    HowLongCase{"EmptyBalance", "", "6", "500", nullptr},
                    HowLongCase{"BalanceOverflows", "1e308", "1200", "0", nullptr}),
    CaseName{});

struct HowMuchCase {
  const char* name;
  const char* balance;
  const char* rate;
  const char* withdrawal;
  const char* months;
  const char* expected;  // nullptr: the calculation fails
};

class HowMuchFieldWrites : public testing::TestWithParam<HowMuchCase> {};

TEST_P(HowMuchFieldWrites, Result) {
  const auto& [name, B, R, W, n, expected] = GetParam();
  ExpectFieldResult(HowMuchField, expected, B, R, W, n);
}

INSTANTIATE_TEST_SUITE_P(
    BalanceRateWithdrawalMonths, HowMuchFieldWrites,
    testing::Values(HowMuchCase{"WorkedExample", "10000", "6", "100", "12", "$9,383.22"},
                    HowMuchCase{"ZeroMonths", "10000", "6", "100", "0", "$10,000.00"},
                    HowMuchCase{"NegativeMonths", "10000", "6", "100", "-5", "$10,000.00"},
                    HowMuchCase{"LowestMonths", "10000", "6", "100", "-32767", "$10,000.00"},
                    HowMuchCase{"RunsBelowZero", "1000", "12", "100", "24", "$-1,427.61"},
                    HowMuchCase{"HalfMonthRoundsToEven", "10000", "6", "100", "12.5", "$9,383.22"},
                    HowMuchCase{"ZeroRate", "10000", "0", "100", "12", nullptr},
                    HowMuchCase{"ZeroRateAndMonths", "10000", "0", "0", "0", nullptr},
                    HowMuchCase{"MonthsBelowRange", "10000", "6", "100", "-32768", nullptr},
                    HowMuchCase{"MonthsAboveRange", "10000", "6", "100", "32768", nullptr},
                    HowMuchCase{"BalanceOverflows", "10000", "100", "100", "32767", nullptr},
                    HowMuchCase{"EmptyWithdrawal", "10000", "6", "", "12", nullptr}),
    CaseName{});

// The remaining balance keeps its "$" in every locale and reads back.
TEST(FormatHowMuch, LocalTextReadsBack) {
  for (const Separators& separators :
       {test::kEnglish, test::kGerman, test::kFrench, test::kSwiss}) {
    const std::string text = FormatHowMuch(-1427.61, separators);
    EXPECT_EQ(text, "$-1" + separators.grouping + "427" + separators.decimal + "61");
    EXPECT_EQ(FieldToNumber(text, separators), -1427.61) << text;
  }
}

// Over the longest count the closed form keeps close to the exact balance,
// -24,537.2935910482...
TEST(HowMuch, RunsTheLongestCountWithoutFailing) {
  EXPECT_NEAR(HowMuch(10000, 0.01, 1, 32767), -24537.2935910482, 1e-6);
  EXPECT_EQ(HowMuchField({}, "10000", "0.01", "1", "32767"), "$-24,537.29");
}

}  // namespace
}  // namespace sw
