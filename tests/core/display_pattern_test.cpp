#include "numeric/display_pattern.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "numeric/field_value.h"

namespace sw {
namespace {

struct Formatting {
  double value;
  const char* pattern;
  const char* expected;
};

class FormatWithPatternWrites : public testing::TestWithParam<Formatting> {};

TEST_P(FormatWithPatternWrites, Text) {
  const auto& [value, pattern, expected] = GetParam();
  EXPECT_EQ(FormatWithPattern(value, pattern), expected) << value << " in " << pattern;
}

INSTANTIATE_TEST_SUITE_P(
    SystemPatterns, FormatWithPatternWrites,
    testing::Values(
        Formatting{599.550525, "###,##0.00", "599.55"},
        Formatting{99999.912409, "###,##0.00", "99,999.91"},
        Formatting{1234567.891, "###,##0.00", "1,234,567.89"},
        Formatting{-1234.5, "###,##0.00", "-1,234.50"},
        Formatting{0.004, "###,##0.00", "0.00"},
        Formatting{1009.9999999999991, "###,##0.00", "1,010.00"},
        Formatting{98771.994766, "#,###,##0.00", "98,771.99"},
        Formatting{0.527524, "#,###,##0.00", "0.53"},
        Formatting{100000, "#,###,##0.00", "100,000.00"},
        Formatting{6.000366, "##0.000", "6.000"}, Formatting{595.226440, "##0.000", "595.226"},
        Formatting{1234.5, "##0.000", "1234.500"}, Formatting{0.000305, "##0.000", "0.000"},
        Formatting{7.25, "#0.000", "7.250"}, Formatting{12, "#0.000", "12.000"},
        Formatting{30.000074, "0.00", "30.00"}, Formatting{10, "0.00", "10.00"},
        Formatting{-0.815201, "0.00", "-0.82"}, Formatting{0.125, "0.00", "0.13"},
        Formatting{-0.125, "0.00", "-0.13"}, Formatting{5, "000", "005"},
        Formatting{360, "000", "360"}, Formatting{1234, "000", "1234"}, Formatting{0, "000", "000"},
        Formatting{2.5, "000", "003"}, Formatting{5.5, "#,###,##00.00", "05.50"},
        Formatting{0.123, "#,###,##00.00", "00.12"},
        Formatting{1234.5, "#,###,##00.00", "1,234.50"},
        Formatting{1234567.891, "#,##,##0.00", "1,234,567.89"},
        Formatting{99.554, "#,##,##0.00", "99.55"}, Formatting{0.5, "#,##,##0.00", "0.50"},
        Formatting{9.995, "0.00", "10.00"}, Formatting{999999.995, "###,##0.00", "1,000,000.00"},
        Formatting{1.005, "0.00", "1.01"}, Formatting{1e20, "###,##0.00",
                                                      "100,000,000,000,000,000,000.00"}));

INSTANTIATE_TEST_SUITE_P(
    NegativeZeroHasNoSign, FormatWithPatternWrites,
    testing::Values(Formatting{-0.001, "0.00", "0.00"}, Formatting{-4.3e-9, "#,###,##0.00", "0.00"},
                    Formatting{-0.0, "000", "000"}, Formatting{-0.0004, "##0.000", "0.000"},
                    Formatting{-0.005, "0.00", "-0.01"}));

TEST(FormatWithPattern, EveryOutputReadsBack) {
  const double values[] = {0,        -0.0,    0.004,       0.125,    -0.815201,  599.550525,
                           -1234.5,  1e15,    -1e15,       1.5e300,  -19544855.3, DBL_MAX,
                           -DBL_MAX, DBL_MIN, 4.9e-324,    123456.789};
  const char* patterns[] = {"###,##0.00", "#,###,##0.00", "##0.000",      "#0.000",
                            "0.00",       "000",          "#,###,##00.00", "#,##,##0.00"};
  for (double v : values) {
    for (const char* p : patterns) {
      const std::string text = FormatWithPattern(v, p);
      EXPECT_NO_THROW(FieldToNumber(text)) << text;
    }
  }
}

}  // namespace
}  // namespace sw
