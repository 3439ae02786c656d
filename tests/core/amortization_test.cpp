#include "loan/amortization.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calculations/loan_fields.h"
#include "calculations/messages.h"
#include "case_name.h"
#include "report/amortization_report.h"
#include "tested_locales.h"
#include "worked_example.h"

namespace sw {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string{line} + "\n";
  return text;
}

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(AmortizationReport, OneYearWorkedExample) {
  EXPECT_EQ(AmortizationReport(test::kWorkedExamplePrincipal, test::kWorkedExampleRate,
                               test::kWorkedExampleYears),
            test::kWorkedExampleReport);
}

TEST(AmortizationReport, ThirtyYearsBeginsAndEndsAsExpected) {
  const std::string text = AmortizationReport("100000", "6", "30");
  EXPECT_TRUE(text.starts_with(
      Lines({"Amortization Table for 100,000.00 at 6.000% for 30 years",
             " #  Monthly  Monthly   Remaining", "    Interest Principal Principal",
             "001  500.00  99.55  99,900.45", "002  499.50  100.05  99,800.40"})));
  EXPECT_TRUE(text.ends_with("\n360  02.98  596.57  0.00\n")) << text.substr(text.size() - 60);
  EXPECT_EQ(LineCount(text), 363u);
}

struct LocalReport {
  const char* name;
  Separators separators;
  const char* principal;
  const char* rate;
  std::string start;
};

class AmortizationReportInLocale : public testing::TestWithParam<LocalReport> {};

// The inputs are read and every number of the title and rows is written
// with the locale's separators; the digits are the same in every locale.
TEST_P(AmortizationReportInLocale, BeginsWith) {
  const auto& [name, separators, principal, rate, start] = GetParam();
  const std::string text = AmortizationReport(principal, rate, "1", separators);
  EXPECT_TRUE(text.starts_with(start)) << text.substr(0, start.size());
  EXPECT_TRUE(text.ends_with("012  05" + separators.decimal + "39  862" + separators.decimal +
                             "19  0" + separators.decimal + "00\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, AmortizationReportInLocale,
    testing::Values(
        LocalReport{"German", test::kGerman, "10.000", "7,5",
                    Lines({"Amortization Table for 10.000,00 at 7,500% for 1 years",
                           " #  Monthly  Monthly   Remaining", "    Interest Principal Principal",
                           "001  62,50  805,07  9.194,93"})},
        LocalReport{"French", test::kFrench, "10 000", "7,5",
                    Lines({"Amortization Table for 10\xC2\xA0"
                           "000,00 at 7,500% for 1 years",
                           " #  Monthly  Monthly   Remaining", "    Interest Principal Principal",
                           "001  62,50  805,07  9\xC2\xA0"
                           "194,93"})},
        LocalReport{"Swiss", test::kSwiss, "10'000", "7.5",
                    Lines({"Amortization Table for 10'000.00 at 7.500% for 1 years",
                           " #  Monthly  Monthly   Remaining", "    Interest Principal Principal",
                           "001  62.50  805.07  9'194.93"})}),
    CaseName{});

TEST(ComputeAmortization, KeepsUnroundedValues) {
  const auto table = std::get<Amortization>(ComputeAmortization("10000", "7.5", "1"));
  EXPECT_EQ(table.payment, 867.5741688540659);
  EXPECT_NEAR(table.rows.back().balance, 7.8e-11, 1e-11);
  EXPECT_LT(std::get<Amortization>(ComputeAmortization("100000", "6", "30")).rows.back().balance,
            0);
}

struct FailureCase {
  const char* name;
  const char* principal;
  const char* rate;
  const char* years;
  std::string_view message;
};

class AmortizationFails : public testing::TestWithParam<FailureCase> {};

TEST_P(AmortizationFails, WithItsMessage) {
  const auto& [name, P, I, N, message] = GetParam();
  EXPECT_EQ(AmortizationReport(P, I, N), message) << P << " / " << I << " / " << N;
}

namespace msg = amortization_message;
INSTANTIATE_TEST_SUITE_P(
    Fields, AmortizationFails,
    testing::Values(FailureCase{"ZeroPrincipal", "0", "6", "30", msg::kPrincipal},
                    FailureCase{"NegativePrincipal", "-5000", "6", "30", msg::kPrincipal},
                    FailureCase{"NegativeRate", "100000", "-1", "30", msg::kInterest},
                    FailureCase{"ZeroYears", "100000", "6", "0", msg::kYears},
                    FailureCase{"NegativeYears", "100000", "6", "-3", msg::kYears},
                    FailureCase{"YearsRoundToZero", "100000", "6", "0.4", msg::kYears},
                    FailureCase{"ZeroRate", "100000", "0", "30", msg::kGeneral},
                    FailureCase{"EmptyPrincipal", "", "6", "30", msg::kGeneral},
                    FailureCase{"UnreadableRate", "100000", "abc", "30", msg::kGeneral},
                    FailureCase{"EmptyYearsWithZeroPrincipal", "0", "6", "", msg::kGeneral},
                    FailureCase{"MonthsPastTheCounter", "100000", "6", "2731", msg::kGeneral},
                    FailureCase{"YearsOutOfRange", "100000", "6", "40000", msg::kGeneral},
                    FailureCase{"GrowthOverflows", "100000", "100", "2730", msg::kGeneral},
                    FailureCase{"PaymentOverflows", "1e308", "1200", "1", msg::kGeneral}),
    CaseName{});

TEST(AmortizationReport, YearsRoundHalfToEven) {
  for (const char* years : {"1.5", "2.5"}) {
    const std::string text = AmortizationReport("1000", "6", years);
    EXPECT_NE(text.find("% for 2 years\n"), std::string::npos) << years;
    EXPECT_EQ(LineCount(text), 27u) << years;
  }
}

TEST(AmortizationReport, LargestTable) {
  const std::string text = AmortizationReport("100000", "0.01", "2730");
  EXPECT_EQ(LineCount(text), 32763u);
  EXPECT_NE(text.find("\n007  "), std::string::npos);
  EXPECT_NE(text.find("\n1000  "), std::string::npos);
  EXPECT_NE(text.find("\n32760  "), std::string::npos);
}

}  // namespace
}  // namespace sw
