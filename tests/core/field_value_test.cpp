#include "numeric/field_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/calc_failure.h"

namespace sw {
namespace {

struct TextToNumber {
  const char* text;
  double expected;
};

class FieldToNumberReads : public testing::TestWithParam<TextToNumber> {};

TEST_P(FieldToNumberReads, Value) {
  EXPECT_EQ(FieldToNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FieldToNumberReads,
    testing::Values(TextToNumber{"1,234.56", 1234.56}, TextToNumber{" 12 ", 12},
                    TextToNumber{"-5", -5}, TextToNumber{"+5", 5}, TextToNumber{"1e3", 1000},
                    TextToNumber{".5", 0.5}, TextToNumber{"5.", 5},
                    TextToNumber{"1,234.5", 1234.5}, TextToNumber{"12,34.5", 1234.5},
                    TextToNumber{"1.5E3", 1500}, TextToNumber{"2e-2", 0.02},
                    TextToNumber{"99,999.91", 99999.91}, TextToNumber{"6.000", 6},
                    TextToNumber{"05.50", 5.5}, TextToNumber{"005", 5},
                    TextToNumber{"-1,234.50", -1234.5}, TextToNumber{"0.1", 0.1},
                    TextToNumber{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                    TextToNumber{"1e-400", 0}, TextToNumber{"4.9406564584124654e-324",
                                                            std::numeric_limits<double>::denorm_min()}));

class FieldToNumberRejects : public testing::TestWithParam<const char*> {};

TEST_P(FieldToNumberRejects, Text) { EXPECT_THROW(FieldToNumber(GetParam()), CalcFailure); }

INSTANTIATE_TEST_SUITE_P(Forms, FieldToNumberRejects,
                         testing::Values("", "   ", "abc", "Infinite", "12abc", "1e400", "-1e400",
                                         "inf", "nan", "NaN", "infinity", "0x10", ".", "-", "+",
                                         ",", "1e", "1e+", "1.2.3", "1 2", "--1", "1,234.5,6",
                                         "\t1", "1.5e3.2", "$5", "(5)", "5-"));

TEST(FieldToNumber, NegativeUnderflowIsNegativeZero) {
  EXPECT_TRUE(std::signbit(FieldToNumber("-1e-400")));
}

struct Rounding {
  double value;
  int expected;
};

class RoundToInt16Gives : public testing::TestWithParam<Rounding> {};

TEST_P(RoundToInt16Gives, NearestTiesToEven) {
  EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundToInt16Gives,
                         testing::Values(Rounding{0.5, 0}, Rounding{1.5, 2}, Rounding{2.5, 2},
                                         Rounding{3.5, 4}, Rounding{-0.5, 0}, Rounding{-1.5, -2},
                                         Rounding{32767.4, 32767}, Rounding{-32768.5, -32768},
                                         Rounding{12.5, 12}, Rounding{13.5, 14}));

TEST(RoundToInt16, FailsOutsideRange) {
  for (double v : {32767.5, -32768.6, 40000.0, std::nan("")}) {
    EXPECT_THROW(RoundToInt16(v), CalcFailure) << v;
  }
}

TEST(RoundToInt32, RangeEdges) {
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);
  EXPECT_THROW(RoundToInt32(2147483647.5), CalcFailure);
  EXPECT_THROW(RoundToInt32(-2147483648.6), CalcFailure);
}

TEST(FieldToInteger, RoundsAndRangeChecks) {
  EXPECT_EQ(FieldToInteger("12.5"), 12);
  EXPECT_EQ(FieldToInteger("13.5"), 14);
  EXPECT_EQ(FieldToInteger("1,000"), 1000);
  EXPECT_EQ(FieldToInteger("32767"), 32767);
  for (const char* text : {"32768", "32767.5", "40000", ""}) {
    EXPECT_THROW(FieldToInteger(text), CalcFailure) << text;
  }
}

}  // namespace
}  // namespace sw
