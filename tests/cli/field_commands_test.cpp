#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculations/messages.h"
#include "case_name.h"
#include "cli_process.h"

namespace sw::cli_test {
namespace {

struct FieldCase {
  const char* name;
  std::vector<std::string> args;
  std::string result;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
  for (const auto& arg : c.args) *os << '"' << arg << "\" ";
}

class FieldResult : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldResult, PrintsTheResultFieldText) {
  const CliResult run = RunCli(GetParam().args);
  EXPECT_EQ(run.out, GetParam().result + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Loan, FieldResult,
    testing::Values(
        FieldCase{"Payment",
                  {"payment", "--principal", "100000", "--rate", "6", "--years", "30"},
                  "599.55"},
        FieldCase{"Principal",
                  {"principal", "--payment", "599.55", "--rate", "6", "--years", "30"},
                  "99,999.91"},
        FieldCase{"TermInfinite",
                  {"term", "--principal", "100000", "--payment", "500", "--rate", "6"},
                  "Infinite"},
        FieldCase{"Term",
                  {"term", "--principal", "100000", "--payment", "599.55", "--rate", "6"},
                  "30.00"},
        // The payment only just exceeds the first month's interest of 1,000.00.
        FieldCase{"TermPaymentJustAboveInterest",
                  {"term", "--principal", "100000", "--payment", "1000.5", "--rate", "12"},
                  "63.66"},
        FieldCase{"Rate",
                  {"rate", "--principal", "100000", "--payment", "599.55", "--years", "30"},
                  "6.000"},
        FieldCase{"RateOfHundreds",
                  {"rate", "--principal", "1000", "--payment", "500", "--years", "1"},
                  "595.226"},
        FieldCase{"Remaining",
                  {"remaining", "--principal", "100000", "--payment", "599.55", "--rate", "6",
                   "--after", "12"},
                  "98,771.99"},
        FieldCase{"RemainingLongestCount",
                  {"remaining", "--principal", "100000", "--payment", "599.55", "--rate", "0",
                   "--after", "32766"},
                  "-19,544,855.30"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(Drawdown, FieldResult,
                         testing::Values(FieldCase{"HowLong",
                                                   {"how-long", "--balance", "10000", "--rate", "6",
                                                    "--withdrawal", "50"},
                                                   "6301 months"},
                                         FieldCase{"HowLongForever",
                                                   {"how-long", "--balance", "10000", "--rate", "6",
                                                    "--withdrawal", "49"},
                                                   "forever"},
                                         FieldCase{"HowMuch",
                                                   {"how-much", "--balance", "10000", "--rate", "6",
                                                    "--withdrawal", "100", "--after", "12"},
                                                   "$9,383.22"},
                                         FieldCase{"HowMuchBelowZero",
                                                   {"how-much", "--balance", "1000", "--rate", "12",
                                                    "--withdrawal", "100", "--after", "24"},
                                                   "$-1,427.61"}),
                         CaseName{});

// Values reach the calculation as the text a field would hold.
INSTANTIATE_TEST_SUITE_P(
    FieldTexts, FieldResult,
    testing::Values(FieldCase{"GroupedAndExponent",
                              {"payment", "--principal", " 100,000 ", "--rate", "6", "--years",
                               "3e1"},
                              "599.55"},
                    FieldCase{"NegativeValue",
                              {"payment", "--principal", "-100000", "--rate", "6", "--years", "30"},
                              "-599.55"},
                    FieldCase{"NegativeValueWithEquals",
                              {"payment", "--principal=-100000", "--rate=6", "--years=30"},
                              "-599.55"},
                    FieldCase{"NegativeRate",
                              {"payment", "--principal", "100000", "--rate", "-6", "--years", "30"},
                              "98.48"},
                    FieldCase{"NegativeRateWithEquals",
                              {"payment", "--principal", "100000", "--rate=-6", "--years", "30"},
                              "98.48"},
                    FieldCase{"AnyOrder",
                              {"payment", "--years", "30", "--rate", "6", "--principal", "100000"},
                              "599.55"},
                    FieldCase{"NegativeCount",
                              {"remaining", "--principal", "100000", "--payment", "599.55",
                               "--rate", "6", "--after", "-3"},
                              "100,000.00"}),
    CaseName{});

struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  std::string_view message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  for (const auto& arg : c.args) *os << '"' << arg << "\" ";
}

class FieldFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(FieldFailure, PrintsOnlyTheButtonsMessage) {
  const CliResult run = RunCli(GetParam().args);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(run.exitCode, 1);
}

INSTANTIATE_TEST_SUITE_P(
    UnreadableFields, FieldFailure,
    testing::Values(
        FailureCase{"EmptyValue",
                    {"payment", "--principal", "", "--rate", "6", "--years", "30"},
                    loan_message::kPayment},
        FailureCase{"EmptyValueWithEquals",
                    {"payment", "--principal=", "--rate", "6", "--years", "30"},
                    loan_message::kPayment},
        FailureCase{"InfiniteYears",
                    {"payment", "--principal", "100000", "--rate", "6", "--years", "Infinite"},
                    loan_message::kPayment},
        FailureCase{"OptionTakenAsValue",
                    {"payment", "--principal", "--rate=6", "--rate", "6", "--years", "30"},
                    loan_message::kPayment},
        FailureCase{"DashedValue",
                    {"how-much", "--balance", "10000", "--rate", "6", "--withdrawal", "100",
                     "--after", "-x"},
                    drawdown_message::kHowMuch}),
    CaseName{});

}  // namespace
}  // namespace sw::cli_test
