#include "numeric/separators.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "case_name.h"
#include "tested_locales.h"

namespace sw {
namespace {

struct LocaleCharacters {
  const char* name;
  char32_t grouping;
  char32_t decimal;
  Separators expected;
};

class SeparatorsForGives : public testing::TestWithParam<LocaleCharacters> {};

TEST_P(SeparatorsForGives, Pair) {
  const auto& [name, grouping, decimal, expected] = GetParam();
  const Separators got = SeparatorsFor(grouping, decimal);
  EXPECT_EQ(got, expected) << "U+" << std::hex << static_cast<std::uint32_t>(grouping) << " U+"
                           << static_cast<std::uint32_t>(decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Latin1, SeparatorsForGives,
    testing::Values(LocaleCharacters{"English", U',', U'.', test::kEnglish},
                    LocaleCharacters{"German", U'.', U',', test::kGerman},
                    LocaleCharacters{"Apostrophe", U'\'', U'.', test::kSwiss},
                    LocaleCharacters{"NoBreakSpace", U'\u00A0', U',', test::kFrench},
                    LocaleCharacters{"PlainSpace", U' ', U',', {" ", ","}},
                    LocaleCharacters{"MiddleDot", U'.', U'\u00B7', {".", "\xC2\xB7"}},
                    LocaleCharacters{"LastLatin1", U'.', U'\u00FF', {".", "\xC3\xBF"}}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(
    NearestLatin1, SeparatorsForGives,
    testing::Values(LocaleCharacters{"NarrowNoBreakSpace", U'\u202F', U',', test::kFrench},
                    LocaleCharacters{"ThinSpace", U'\u2009', U',', test::kFrench},
                    LocaleCharacters{"RightQuotationMark", U'\u2019', U'.', test::kSwiss}),
    CaseName{});

// Pairs that could not be read back unambiguously fall back to the default.
INSTANTIATE_TEST_SUITE_P(
    Unusable, SeparatorsForGives,
    testing::Values(LocaleCharacters{"SameTwice", U'.', U'.', test::kEnglish},
                    LocaleCharacters{"SameAfterMapping", U'\u202F', U'\u00A0', test::kEnglish},
                    LocaleCharacters{"ArabicPair", U'\u066C', U'\u066B', test::kEnglish},
                    LocaleCharacters{"ArabicDecimal", U'.', U'\u066B', test::kEnglish},
                    LocaleCharacters{"Digit", U'5', U',', test::kEnglish},
                    LocaleCharacters{"Minus", U'-', U',', test::kEnglish},
                    LocaleCharacters{"ExponentLetter", U'.', U'e', test::kEnglish},
                    LocaleCharacters{"Dollar", U'$', U'.', test::kEnglish},
                    LocaleCharacters{"SpaceAsPoint", U',', U' ', test::kEnglish},
                    LocaleCharacters{"Tab", U'\t', U'.', test::kEnglish},
                    LocaleCharacters{"FirstBeyondLatin1", U'.', U'\u0100', test::kEnglish}),
    CaseName{});

TEST(Separators, SpaceGroupingAllowsPlainSpaces) {
  EXPECT_TRUE(test::kFrench.groupsWithSpace());
  EXPECT_TRUE((Separators{" ", ","}.groupsWithSpace()));
  EXPECT_FALSE(test::kGerman.groupsWithSpace());
  EXPECT_FALSE(test::kSwiss.groupsWithSpace());
}

}  // namespace
}  // namespace sw
