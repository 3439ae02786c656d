#include "loan/remaining.h"

#include <gtest/gtest.h>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "field_result.h"

namespace sw {
namespace {

struct RemainingCase {
  const char* name;
  const char* principal;
  const char* payment;
  const char* rate;
  const char* after;
  const char* expected;  // nullptr: the calculation fails
};

class RemainingFieldWrites : public testing::TestWithParam<RemainingCase> {};

TEST_P(RemainingFieldWrites, Result) {
  const auto& [name, P, A, I, k, expected] = GetParam();
  ExpectFieldResult(RemainingField, expected, P, A, I, k);
}

INSTANTIATE_TEST_SUITE_P(
    PrincipalPaymentRateAfter, RemainingFieldWrites,
    testing::Values(
        RemainingCase{"WorkedExample", "100000", "599.55", "6", "12", "98,771.99"},
        RemainingCase{"AtTheEnd", "100000", "599.55", "6", "360", "0.53"},
        RemainingCase{"Overpaid", "100000", "600", "6", "360", "-451.50"},
        RemainingCase{"NoPaymentsYet", "100000", "599.55", "6", "0", "100,000.00"},
        RemainingCase{"NegativeCount", "100000", "599.55", "6", "-3", "100,000.00"},
        RemainingCase{"HalfRoundsDownToEven", "100000", "599.55", "6", "12.5", "98,771.99"},
        RemainingCase{"HalfRoundsUpToEven", "100000", "599.55", "6", "13.5", "98,560.09"},
        RemainingCase{"ZeroRate", "12000", "1000", "0", "5", "7,000.00"},
        RemainingCase{"ZeroRateOverpaid", "1000", "600", "0", "2", "-200.00"},
        RemainingCase{"UnpaidLoanGrows", "1000", "0", "12", "12", "1,126.83"},
        RemainingCase{"LongestCount", "100000", "599.55", "0", "32766", "-19,544,855.30"},
        RemainingCase{"PastTheLongestCount", "100000", "599.55", "0", "32767", nullptr},
        RemainingCase{"CountOutOfRange", "100000", "599.55", "0", "40000", nullptr},
        RemainingCase{"EmptyCount", "100000", "599.55", "6", "", nullptr},
        RemainingCase{"PrincipalInfinite", "Infinite", "599.55", "6", "12", nullptr},
        RemainingCase{"BalanceOverflows", "1e300", "0", "120000", "100", nullptr}),
    CaseName{});

}  // namespace
}  // namespace sw
