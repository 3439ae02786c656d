#include "system/locale_separators.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "case_name.h"
#include "tested_locales.h"

namespace sw {
namespace {

// The three variables that name the numeric locale; nullptr leaves one unset.
struct Environment {
  const char* name;
  const char* lcAll;
  const char* lcNumeric;
  const char* lang;
  Separators expected;
};

void Set(const char* variable, const char* value) {
  if (value == nullptr) {
    unsetenv(variable);
  } else {
    setenv(variable, value, 1);
  }
}

class UserLocaleSeparatorsIn : public testing::TestWithParam<Environment> {};

TEST_P(UserLocaleSeparatorsIn, Environment) {
  const auto& [name, lcAll, lcNumeric, lang, expected] = GetParam();
  Set("LC_ALL", lcAll);
  Set("LC_NUMERIC", lcNumeric);
  Set("LANG", lang);
  const std::string processLocale = std::setlocale(LC_ALL, nullptr);
  EXPECT_EQ(UserLocaleSeparators(), expected);
  EXPECT_EQ(std::setlocale(LC_ALL, nullptr), processLocale);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, UserLocaleSeparatorsIn,
    testing::Values(Environment{"Unset", nullptr, nullptr, nullptr, test::kEnglish},
                    Environment{"C", "C", nullptr, nullptr, test::kEnglish},
                    Environment{"POSIX", "POSIX", nullptr, nullptr, test::kEnglish},
                    Environment{"C_UTF8", "C.UTF-8", nullptr, nullptr, test::kEnglish},
                    Environment{"en_US", "en_US.UTF-8", nullptr, nullptr, test::kEnglish},
                    Environment{"de_DE", "de_DE.UTF-8", nullptr, nullptr, test::kGerman},
                    Environment{"fr_FR", "fr_FR.UTF-8", nullptr, nullptr, test::kFrench},
                    Environment{"de_CH", "de_CH.UTF-8", nullptr, nullptr, test::kSwiss},
                    Environment{"fr_FR_Latin9", "fr_FR.ISO-8859-15@euro", nullptr, nullptr,
                                test::kFrench},
                    Environment{"NotInstalled", "xx_YY.UTF-8", nullptr, nullptr, test::kEnglish}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(
    Precedence, UserLocaleSeparatorsIn,
    testing::Values(
        Environment{"AllFirst", "de_CH.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", test::kSwiss},
        Environment{"NumericBeforeLang", nullptr, "de_DE.UTF-8", "fr_FR.UTF-8", test::kGerman},
        Environment{"EmptyAllSkipped", "", "de_DE.UTF-8", "fr_FR.UTF-8", test::kGerman},
        Environment{"LangLast", nullptr, nullptr, "fr_FR.UTF-8", test::kFrench},
        Environment{"EmptyBothSkipped", "", "", "fr_FR.UTF-8", test::kFrench},
        Environment{"AllNamesC", "C", "de_DE.UTF-8", "fr_FR.UTF-8", test::kEnglish},
        Environment{"NumericNamesC", nullptr, "C", "de_DE.UTF-8", test::kEnglish}),
    CaseName{});

}  // namespace
}  // namespace sw
