#include "numeric/field_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "case_name.h"
#include "numeric/calc_failure.h"
#include "numeric/checked.h"
#include "tested_locales.h"

namespace sw {
namespace {

struct TextToNumber {
  const char* name;
  const char* text;
  double expected;
};

class FieldToNumberReads : public testing::TestWithParam<TextToNumber> {};

TEST_P(FieldToNumberReads, Value) {
  EXPECT_EQ(FieldToNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FieldToNumberReads,
    testing::Values(
        TextToNumber{"Grouped", "1,234.56", 1234.56}, TextToNumber{"SurroundingBlanks", " 12 ", 12},
        TextToNumber{"Minus", "-5", -5}, TextToNumber{"Plus", "+5", 5},
        TextToNumber{"Exponent", "1e3", 1000}, TextToNumber{"NoIntegerDigits", ".5", 0.5},
        TextToNumber{"NoFractionDigits", "5.", 5},
        TextToNumber{"GroupedOneDecimal", "1,234.5", 1234.5},
        TextToNumber{"MisplacedSeparator", "12,34.5", 1234.5},
        TextToNumber{"CapitalExponent", "1.5E3", 1500},
        TextToNumber{"NegativeExponent", "2e-2", 0.02},
        TextToNumber{"PrincipalResult", "99,999.91", 99999.91},
        TextToNumber{"RateResult", "6.000", 6}, TextToNumber{"LeadingZero", "05.50", 5.5},
        TextToNumber{"MonthNumber", "005", 5},
        TextToNumber{"NegativeGrouped", "-1,234.50", -1234.5},
        TextToNumber{"NotExactInBinary", "0.1", 0.1},
        TextToNumber{"Largest", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        TextToNumber{"UnderflowsToZero", "1e-400", 0},
        TextToNumber{"SmallestSubnormal", "4.9406564584124654e-324",
                     std::numeric_limits<double>::denorm_min()}),
    CaseName{});

struct Unreadable {
  const char* name;
  const char* text;
};

class FieldToNumberRejects : public testing::TestWithParam<Unreadable> {};

TEST_P(FieldToNumberRejects, Text) { EXPECT_THROW(FieldToNumber(GetParam().text), CalcFailure); }

INSTANTIATE_TEST_SUITE_P(
    Forms, FieldToNumberRejects,
    testing::Values(Unreadable{"Empty", ""}, Unreadable{"Blanks", "   "},
                    Unreadable{"Letters", "abc"}, Unreadable{"TermResultInfinite", "Infinite"},
                    Unreadable{"TrailingLetters", "12abc"}, Unreadable{"Overflow", "1e400"},
                    Unreadable{"NegativeOverflow", "-1e400"}, Unreadable{"InfLowerCase", "inf"},
                    Unreadable{"NanLowerCase", "nan"}, Unreadable{"NanMixedCase", "NaN"},
                    Unreadable{"InfinityLowerCase", "infinity"}, Unreadable{"Hexadecimal", "0x10"},
                    Unreadable{"LoneDot", "."}, Unreadable{"LoneMinus", "-"},
                    Unreadable{"LonePlus", "+"}, Unreadable{"LoneComma", ","},
                    Unreadable{"ExponentWithoutDigits", "1e"},
                    Unreadable{"ExponentSignWithoutDigits", "1e+"}, Unreadable{"TwoDots", "1.2.3"},
                    Unreadable{"InnerBlank", "1 2"}, Unreadable{"DoubleMinus", "--1"},
                    Unreadable{"CommaAfterTheDot", "1,234.5,6"}, Unreadable{"LeadingTab", "\t1"},
                    Unreadable{"FractionalExponent", "1.5e3.2"}, Unreadable{"Parentheses", "(5)"},
                    Unreadable{"TrailingMinus", "5-"}, Unreadable{"TrailingDollar", "5$"},
                    Unreadable{"BlankAfterDollar", "$ 5"}, Unreadable{"TwoDollars", "$$5"},
                    Unreadable{"DollarOnBothSides", "$-$5"}, Unreadable{"SignOnBothSides", "-$-5"},
                    Unreadable{"DoubleMinusDollar", "--$5"}, Unreadable{"LoneDollar", "$"},
                    Unreadable{"MinusDollar", "-$"}, Unreadable{"DollarInside", "1$5"},
                    Unreadable{"BlankGrouping", "1 234"},
                    Unreadable{"NoBreakSpaceGrouping",
                               "1\xC2\xA0"
                               "234"},
                    Unreadable{"ApostropheGrouping", "1'234"}),
    CaseName{});

// A result with its "$" reads back in every field.
INSTANTIATE_TEST_SUITE_P(Dollar, FieldToNumberReads,
                         testing::Values(TextToNumber{"Balance", "$9,383.22", 9383.22},
                                         TextToNumber{"NegativeBalance", "$-1,427.61", -1427.61},
                                         TextToNumber{"MinusFirst", "-$1,427.61", -1427.61},
                                         TextToNumber{"PlusFirst", "+$5", 5},
                                         TextToNumber{"PlusAfter", "$+5", 5},
                                         TextToNumber{"Blanks", " $.5 ", 0.5},
                                         TextToNumber{"Exponent", "$1e3", 1000}),
                         CaseName{});

struct LocalText {
  const char* name;
  Separators separators;
  const char* text;
  double expected;
};

class FieldToNumberInLocale : public testing::TestWithParam<LocalText> {};

TEST_P(FieldToNumberInLocale, Value) {
  const auto& [name, separators, text, expected] = GetParam();
  EXPECT_EQ(FieldToNumber(text, separators), expected) << text;
}

INSTANTIATE_TEST_SUITE_P(German, FieldToNumberInLocale,
                         testing::Values(LocalText{"Grouped", test::kGerman, "1.234,56", 1234.56},
                                         LocalText{"GroupedInteger", test::kGerman, "1.234", 1234},
                                         LocalText{"Ungrouped", test::kGerman, "1234,5", 1234.5},
                                         LocalText{"MisplacedSeparator", test::kGerman, "12.34,5",
                                                   1234.5},
                                         LocalText{"NoIntegerDigits", test::kGerman, ",5", 0.5},
                                         LocalText{"Dollar", test::kGerman, "-$1.427,61", -1427.61},
                                         LocalText{"Exponent", test::kGerman, "1,5E3", 1500},
                                         LocalText{"Plain", test::kGerman, "42", 42}),
                         CaseName{});

// "." means nothing in French numbers, so a text with a point is read as
// in the default locale; "," is the decimal point and never groups.
INSTANTIATE_TEST_SUITE_P(
    French, FieldToNumberInLocale,
    testing::Values(LocalText{"NoBreakSpace", test::kFrench,
                              "99\xC2\xA0"
                              "999,91",
                              99999.91},
                    LocalText{"PlainSpace", test::kFrench, "99 999,91", 99999.91},
                    LocalText{"SpacesAround", test::kFrench, " 1 234 567 ", 1234567},
                    LocalText{"Comma", test::kFrench, "1,5", 1.5},
                    LocalText{"DefaultPoint", test::kFrench, "1.5", 1.5},
                    LocalText{"Dollar", test::kFrench,
                              "$-1\xC2\xA0"
                              "427,61",
                              -1427.61},
                    LocalText{"GroupedInteger", test::kFrench,
                              "1\xC2\xA0"
                              "234",
                              1234}),
    CaseName{});

// "," means nothing in Swiss numbers: the default locale's forms read.
INSTANTIATE_TEST_SUITE_P(
    Swiss, FieldToNumberInLocale,
    testing::Values(LocalText{"Apostrophe", test::kSwiss, "1'234.56", 1234.56},
                    LocalText{"DefaultComma", test::kSwiss, "1,234.56", 1234.56},
                    LocalText{"Dollar", test::kSwiss, "-$99'999.91", -99999.91},
                    LocalText{"Exponent", test::kSwiss, "1.5e3", 1500}),
    CaseName{});

struct LocalBadText {
  const char* name;
  Separators separators;
  const char* text;
};

class FieldToNumberRejectsInLocale : public testing::TestWithParam<LocalBadText> {};

TEST_P(FieldToNumberRejectsInLocale, Text) {
  EXPECT_THROW(FieldToNumber(GetParam().text, GetParam().separators), CalcFailure)
      << GetParam().text;
}

// Never a value that the text means in another locale: a "," or "." that
// the locale uses the other way round fails the whole text.
INSTANTIATE_TEST_SUITE_P(
    Forms, FieldToNumberRejectsInLocale,
    testing::Values(LocalBadText{"GermanGivenDefault", test::kGerman, "1,234.56"},
                    LocalBadText{"GermanTwoCommas", test::kGerman, "1,2,3"},
                    LocalBadText{"GermanBlank", test::kGerman, "1 234"},
                    LocalBadText{"GermanPointAfterComma", test::kGerman, "1.234,5.6"},
                    LocalBadText{"FrenchGivenDefault", test::kFrench, "1,234.56"},
                    LocalBadText{"FrenchGivenDefaultResult", test::kFrench, "99,999.91"},
                    LocalBadText{"FrenchTwoCommas", test::kFrench, "1,234,5"},
                    LocalBadText{"FrenchBlankBeforeComma", test::kFrench, "1 ,5"},
                    LocalBadText{"FrenchTwoBlanks", test::kFrench, "1  234"},
                    LocalBadText{"FrenchBlankInFraction", test::kFrench, "1,2 34"},
                    LocalBadText{"FrenchBlankAndPoint", test::kFrench, "1 234.5"},
                    LocalBadText{"FrenchBlankAfterDollar", test::kFrench, "$ 1 234"},
                    LocalBadText{"FrenchBlankInExponent", test::kFrench, "1e3 4"},
                    LocalBadText{"SwissBlank", test::kSwiss, "1 234"},
                    LocalBadText{"SwissQuotationMark", test::kSwiss,
                                 "1\xE2\x80\x99"
                                 "234"},
                    LocalBadText{"SwissComma", test::kSwiss, "1'234,5"},
                    LocalBadText{"SwissEmpty", test::kSwiss, ""},
                    LocalBadText{"MiddleDotGivenDefault", Separators{".", "\xC2\xB7"}, "1,234.5"}),
    CaseName{});

TEST(FieldToNumber, NegativeUnderflowIsNegativeZero) {
  EXPECT_TRUE(std::signbit(FieldToNumber("-1e-400")));
}

// Decimal digits of digits * base^power, by schoolbook multiplication, to
// spell doubles near the range edges exactly.
std::string TimesPower(std::string digits, int base, int power) {
  for (int p = 0; p < power; ++p) {
    int carry = 0;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
      const int product = (*d - '0') * base + carry;
      *d = static_cast<char>('0' + product % 10);
      carry = product / 10;
    }
    for (; carry > 0; carry /= 10)
      digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
  }
  return digits;
}

std::string Repeat(char c, int count) { return std::string(static_cast<std::size_t>(count), c); }

// (2^53 - 1) * 2^971, and the midpoint between it and 2^1024, which rounds
// to 2^1024 and so overflows.
const std::string kLargest = TimesPower("9007199254740991", 2, 971);
const std::string kOverflowMidpoint = TimesPower("18014398509481983", 2, 970);
// 2^-1074 and 2^-1075 as digits of 5^n times 10^-n; half the smallest
// denormal rounds to zero (ties to even).
const std::string kSmallestDenormal = TimesPower("1", 5, 1074) + "e-1074";
const std::string kHalfSmallestDenormal = TimesPower("1", 5, 1075) + "e-1075";

// A long text in test output: its length and first characters.
void PrintLong(const std::string& text, std::ostream* os) {
  *os << text.size() << " characters: " << text.substr(0, 24) << "...";
}

struct LongText {
  const char* name;
  std::string text;
  double expected;
  friend void PrintTo(const LongText& c, std::ostream* os) { PrintLong(c.text, os); }
};

class FieldToNumberReadsLong : public testing::TestWithParam<LongText> {};

TEST_P(FieldToNumberReadsLong, Value) {
  const double value = FieldToNumber(GetParam().text);
  EXPECT_EQ(value, GetParam().expected) << GetParam().text;
  EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected)) << GetParam().text;
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    RangeEdges, FieldToNumberReadsLong,
    testing::Values(
        LongText{"Largest", kLargest, kMax}, LongText{"MinusLargest", "-" + kLargest, -kMax},
        LongText{"LargestWithLongFraction", kLargest + "." + Repeat('0', 400) + "1", kMax},
        LongText{"JustBelowOverflowMidpoint", kOverflowMidpoint.substr(0, 300) + "e9", kMax},
        LongText{"JustBelowMidpointAsFraction", "0.0" + kOverflowMidpoint.substr(0, 300) + "e310",
                 kMax},
        LongText{"SmallestDenormal", kSmallestDenormal, kDenormMin},
        LongText{"MinusSmallestDenormal", "-" + kSmallestDenormal, -kDenormMin},
        LongText{"HalfSmallestDenormalRoundsToZero", kHalfSmallestDenormal, 0.0},
        LongText{"MinusHalfSmallestDenormal", "-" + kHalfSmallestDenormal, -0.0},
        LongText{"JustAboveHalfSmallestDenormal",
                 TimesPower("1", 5, 1075) + Repeat('0', 400) + "1e-1476", kDenormMin},
        LongText{"LongUnderflow", "0." + Repeat('0', 400) + "1", 0.0},
        LongText{"MinusLongUnderflow", "-0." + Repeat('0', 400) + "1", -0.0},
        LongText{"LongFractionScaledUp", "0." + Repeat('0', 400) + "1e400", 0.1},
        LongText{"LongIntegerScaledDown", "1" + Repeat('0', 400) + "e-400", 1.0},
        LongText{"LongIntegerScaledToTiny", "1" + Repeat('0', 400) + "e-700", 1e-300},
        LongText{"GroupedLongInteger", "1,000" + Repeat('0', 400) + "e-403", 1.0},
        LongText{"LongNinesRoundUp", "9." + Repeat('9', 400), 10.0},
        LongText{"LongFractionOfNines", "0." + Repeat('9', 400), 1.0},
        LongText{"NinesBelowLargest", Repeat('9', 308), 1e308},
        LongText{"LongNinesScaledDown", Repeat('9', 400) + "e-400", 1.0},
        LongText{"NinesScaledToDenormal", "0." + Repeat('9', 400) + "e-323", 1e-323},
        LongText{"ExponentWithLeadingZeros", "1e-0000000000000000000000000001", 0.1},
        LongText{"HugeNegativeExponent", "1e-99999999999999999999999999", 0.0},
        LongText{"ZeroWithHugeExponent", "0e99999999999999999999", 0.0},
        LongText{"MinusZero", "-0", -0.0}),
    CaseName{});

struct LongUnreadable {
  const char* name;
  std::string text;
  friend void PrintTo(const LongUnreadable& c, std::ostream* os) { PrintLong(c.text, os); }
};

class FieldToNumberRejectsLong : public testing::TestWithParam<LongUnreadable> {};

TEST_P(FieldToNumberRejectsLong, Text) {
  EXPECT_THROW(FieldToNumber(GetParam().text), CalcFailure) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    RangeEdges, FieldToNumberRejectsLong,
    testing::Values(LongUnreadable{"LongIntegerOverflows", "1" + Repeat('0', 400) + "e-1"},
                    LongUnreadable{"MinusLongIntegerOverflows", "-1" + Repeat('0', 400) + "e-1"},
                    LongUnreadable{"OverflowMidpoint", kOverflowMidpoint},
                    LongUnreadable{"MinusOverflowMidpoint", "-" + kOverflowMidpoint},
                    LongUnreadable{"JustAboveOverflowMidpoint",
                                   kOverflowMidpoint + "." + Repeat('0', 400) + "1"},
                    LongUnreadable{"NinesAboveLargest", Repeat('9', 309)},
                    LongUnreadable{"LongFractionScaledPastLargest",
                                   "0." + Repeat('0', 400) + "1e710"},
                    LongUnreadable{"HugeExponent", "1e99999999999999999999999999"},
                    LongUnreadable{"LongExponent", "1e+" + Repeat('9', 400)}),
    CaseName{});

struct Rounding {
  const char* name;
  double value;
  int expected;
};

class RoundToInt16Gives : public testing::TestWithParam<Rounding> {};

TEST_P(RoundToInt16Gives, NearestTiesToEven) {
  EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Ties, RoundToInt16Gives,
    testing::Values(Rounding{"HalfToZero", 0.5, 0}, Rounding{"OneAndAHalfUp", 1.5, 2},
                    Rounding{"TwoAndAHalfDown", 2.5, 2}, Rounding{"ThreeAndAHalfUp", 3.5, 4},
                    Rounding{"MinusHalfToZero", -0.5, 0},
                    Rounding{"MinusOneAndAHalfDown", -1.5, -2}, Rounding{"Highest", 32767.4, 32767},
                    Rounding{"Lowest", -32768.5, -32768}, Rounding{"TwelveAndAHalfDown", 12.5, 12},
                    Rounding{"ThirteenAndAHalfUp", 13.5, 14}),
    CaseName{});

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
  EXPECT_EQ(FieldToInteger("1.000", test::kGerman), 1000);
  EXPECT_EQ(FieldToInteger("12,5", test::kGerman), 12);
}

}  // namespace
}  // namespace sw
