#include "numeric/display_pattern.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "case_name.h"
#include "numeric/field_value.h"
#include "tested_locales.h"

namespace sw {
namespace {

struct Formatting {
  const char* name;
  double value;
  const char* pattern;
  const char* expected;
};

class FormatWithPatternWrites : public testing::TestWithParam<Formatting> {};

TEST_P(FormatWithPatternWrites, Text) {
  const auto& [name, value, pattern, expected] = GetParam();
  EXPECT_EQ(FormatWithPattern(value, pattern), expected) << value << " in " << pattern;
}

INSTANTIATE_TEST_SUITE_P(
    SystemPatterns, FormatWithPatternWrites,
    testing::Values(Formatting{"Payment", 599.550525, "###,##0.00", "599.55"},
                    Formatting{"ThousandsSeparator", 99999.912409, "###,##0.00", "99,999.91"},
                    Formatting{"Millions", 1234567.891, "###,##0.00", "1,234,567.89"},
                    Formatting{"NegativeGrouped", -1234.5, "###,##0.00", "-1,234.50"},
                    Formatting{"RoundsDownToZero", 0.004, "###,##0.00", "0.00"},
                    Formatting{"CarryIntoANewDigit", 1009.9999999999991, "###,##0.00", "1,010.00"},
                    Formatting{"Remaining", 98771.994766, "#,###,##0.00", "98,771.99"},
                    Formatting{"RemainingUnderOne", 0.527524, "#,###,##0.00", "0.53"},
                    Formatting{"RemainingWhole", 100000, "#,###,##0.00", "100,000.00"},
                    Formatting{"Rate", 6.000366, "##0.000", "6.000"},
                    Formatting{"RateOfHundreds", 595.226440, "##0.000", "595.226"},
                    Formatting{"RateHasNoSeparator", 1234.5, "##0.000", "1234.500"},
                    Formatting{"RateRoundsToZero", 0.000305, "##0.000", "0.000"},
                    Formatting{"ShortRate", 7.25, "#0.000", "7.250"},
                    Formatting{"ShortRateWhole", 12, "#0.000", "12.000"},
                    Formatting{"Years", 30.000074, "0.00", "30.00"},
                    Formatting{"YearsWhole", 10, "0.00", "10.00"},
                    Formatting{"NegativeYears", -0.815201, "0.00", "-0.82"},
                    Formatting{"HalfRoundsAwayFromZero", 0.125, "0.00", "0.13"},
                    Formatting{"NegativeHalfRoundsAwayFromZero", -0.125, "0.00", "-0.13"},
                    Formatting{"MonthPadded", 5, "000", "005"},
                    Formatting{"MonthOfThreeDigits", 360, "000", "360"},
                    Formatting{"MonthOfFourDigits", 1234, "000", "1234"},
                    Formatting{"MonthZero", 0, "000", "000"},
                    Formatting{"MonthHalfRoundsUp", 2.5, "000", "003"},
                    Formatting{"TwoIntegerDigits", 5.5, "#,###,##00.00", "05.50"},
                    Formatting{"TwoIntegerDigitsUnderOne", 0.123, "#,###,##00.00", "00.12"},
                    Formatting{"TwoIntegerDigitsGrouped", 1234.5, "#,###,##00.00", "1,234.50"},
                    Formatting{"UnevenGroupsUseThrees", 1234567.891, "#,##,##0.00", "1,234,567.89"},
                    Formatting{"UnevenGroupsUnderAThousand", 99.554, "#,##,##0.00", "99.55"},
                    Formatting{"UnevenGroupsUnderOne", 0.5, "#,##,##0.00", "0.50"},
                    Formatting{"RoundingAddsADigit", 9.995, "0.00", "10.00"},
                    Formatting{"RoundingAddsAGroup", 999999.995, "###,##0.00", "1,000,000.00"},
                    Formatting{"ShortestDecimalHalfRoundsUp", 1.005, "0.00", "1.01"},
                    Formatting{"Huge", 1e20, "###,##0.00", "100,000,000,000,000,000,000.00"}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(NegativeZeroHasNoSign, FormatWithPatternWrites,
                         testing::Values(Formatting{"Hundredths", -0.001, "0.00", "0.00"},
                                         Formatting{"Grouped", -4.3e-9, "#,###,##0.00", "0.00"},
                                         Formatting{"NegativeZero", -0.0, "000", "000"},
                                         Formatting{"Thousandths", -0.0004, "##0.000", "0.000"},
                                         Formatting{"HalfKeepsTheSign", -0.005, "0.00", "-0.01"}),
                         CaseName{});

TEST(FormatWithPattern, EveryOutputReadsBack) {
  const double values[] = {0,        -0.0,    0.004,    0.125,     -0.815201,   599.550525,
                           -1234.5,  1e15,    -1e15,    1.5e300,   -19544855.3, DBL_MAX,
                           -DBL_MAX, DBL_MIN, 4.9e-324, 123456.789};
  const char* patterns[] = {"###,##0.00", "#,###,##0.00", "##0.000",       "#0.000",
                            "0.00",       "000",          "#,###,##00.00", "#,##,##0.00"};
  for (double v : values) {
    for (const char* p : patterns) {
      const std::string text = FormatWithPattern(v, p);
      EXPECT_NO_THROW(FieldToNumber(text)) << text;
    }
  }
}

struct LocalFormatting {
  const char* name;
  double value;
  const char* pattern;
  Separators separators;
  const char* expected;
};

class FormatWithPatternInLocale : public testing::TestWithParam<LocalFormatting> {};

TEST_P(FormatWithPatternInLocale, Text) {
  const auto& [name, value, pattern, separators, expected] = GetParam();
  EXPECT_EQ(FormatWithPattern(value, pattern, separators), expected) << value << " in " << pattern;
}

// Only the two characters change: digits, grouping by threes and the
// patterns' minimum digits are the same in every locale.
INSTANTIATE_TEST_SUITE_P(
    Separators, FormatWithPatternInLocale,
    testing::Values(
        LocalFormatting{"GermanPayment", 599.550525, "###,##0.00", test::kGerman, "599,55"},
        LocalFormatting{"GermanPrincipal", 99999.912409, "###,##0.00", test::kGerman, "99.999,91"},
        LocalFormatting{"FrenchPrincipal", 99999.912409, "###,##0.00", test::kFrench,
                        "99\xC2\xA0"
                        "999,91"},
        LocalFormatting{"SwissPrincipal", 99999.912409, "###,##0.00", test::kSwiss, "99'999.91"},
        LocalFormatting{"GermanMonthlyPrincipal", -1234567.891, "#,##,##0.00", test::kGerman,
                        "-1.234.567,89"},
        LocalFormatting{"FrenchBalance", 1234567.891, "#,###,##0.00", test::kFrench,
                        "1\xC2\xA0"
                        "234\xC2\xA0"
                        "567,89"},
        LocalFormatting{"SwissMonthlyInterest", 1234.5, "#,###,##00.00", test::kSwiss, "1'234.50"},
        LocalFormatting{"GermanMonthlyInterest", 5.5, "#,###,##00.00", test::kGerman, "05,50"},
        LocalFormatting{"FrenchRate", 1234.5, "##0.000", test::kFrench, "1234,500"},
        LocalFormatting{"GermanTitleRate", 7.25, "#0.000", test::kGerman, "7,250"},
        LocalFormatting{"FrenchYears", -0.815201, "0.00", test::kFrench, "-0,82"},
        LocalFormatting{"GermanMonthNumber", 1234, "000", test::kGerman, "1234"},
        LocalFormatting{"FrenchMonthNumber", 5, "000", test::kFrench, "005"}),
    CaseName{});

// What every pattern writes in a locale reads back, in that locale, as the
// value that the default locale's text stands for.
TEST(FormatWithPattern, EveryLocalOutputReadsBackAsShown) {
  const double values[] = {0,       -0.0,     0.004,      0.125,      -0.815201,   599.550525,
                           -1234.5, 1e15,     -1e15,      1.5e300,    -19544855.3, DBL_MAX,
                           DBL_MIN, 999.9995, 123456.789, 1234567.891};
  const char* patterns[] = {"###,##0.00", "#,###,##0.00", "##0.000",       "#0.000",
                            "0.00",       "000",          "#,###,##00.00", "#,##,##0.00"};
  const Separators locales[] = {
      test::kEnglish, test::kGerman, test::kFrench, test::kSwiss, {" ", ","}};
  for (const Separators& separators : locales) {
    for (double v : values) {
      for (const char* p : patterns) {
        const double shown = FieldToNumber(FormatWithPattern(v, p));
        const std::string text = FormatWithPattern(v, p, separators);
        EXPECT_EQ(FieldToNumber(text, separators), shown) << text;
        EXPECT_EQ(FieldToNumber("$" + text, separators), shown) << "$" << text;
      }
    }
  }
}

}  // namespace
}  // namespace sw
