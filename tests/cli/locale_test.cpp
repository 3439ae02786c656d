#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "cli_process.h"
#include "schedule_markup.h"
#include "temp_dir.h"

namespace sw::cli_test {
namespace {

const std::vector<std::string> kLocales = {"C", "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8",
                                           "de_CH.UTF-8"};

std::vector<std::string> In(const std::string& locale) { return {"LC_ALL=" + locale}; }

std::vector<std::string> WithLocale(std::vector<std::string> args) {
  args.emplace_back("--locale");
  return args;
}

const std::vector<std::string> kPayment = {"payment", "--principal", "100000.50", "--rate",
                                           "6",       "--years",     "30"};
const std::vector<std::string> kPrincipal = {"principal", "--payment", "599.55", "--rate",
                                             "6",         "--years",   "30"};
// 7.5 written so that every locale reads it alike.
const std::vector<std::string> kSchedule = {"schedule", "--principal", "10000", "--rate",
                                            "75e-1",    "--years",     "1"};

// Without --locale a script's numbers mean the same in every environment.
TEST(Locale, IgnoredWithoutTheOption) {
  for (const std::string& locale : kLocales) {
    EXPECT_EQ(RunCliWith(In(locale), kPayment).out, "599.55\n") << locale;
    EXPECT_EQ(RunCliWith(In(locale), kPrincipal).out, "99,999.91\n") << locale;
  }
}

struct LocalRun {
  const char* name;
  const char* locale;
  std::vector<std::string> args;
  std::string out;
};

class WithLocaleOption : public testing::TestWithParam<LocalRun> {};

// With --locale the command reads and writes what the window does there.
TEST_P(WithLocaleOption, PrintsTheWindowsText) {
  const auto& [name, locale, args, out] = GetParam();
  const CliResult result = RunCliWith(In(locale), WithLocale(args));
  EXPECT_EQ(result.out, out);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, WithLocaleOption,
    testing::Values(LocalRun{"C", "C", kPrincipal, "99,999.91\n"},
                    LocalRun{"en_US", "en_US.UTF-8", kPrincipal, "99,999.91\n"},
                    LocalRun{"de_DE",
                             "de_DE.UTF-8",
                             {"principal", "--payment", "599,55", "--rate", "6", "--years", "30"},
                             "99.999,91\n"},
                    LocalRun{"fr_FR", "fr_FR.UTF-8", kPrincipal,
                             "99\xC2\xA0"
                             "999,91\n"},
                    LocalRun{"de_CH", "de_CH.UTF-8", kPrincipal, "99'999.91\n"},
                    // Where "." groups, 100000.50 is 10,000,050.
                    LocalRun{"de_DE_PointGroups", "de_DE.UTF-8", kPayment, "59.955,35\n"},
                    LocalRun{"fr_FR_PointAsDefault", "fr_FR.UTF-8", kPayment, "599,55\n"},
                    LocalRun{"de_CH_Payment", "de_CH.UTF-8", kPayment, "599.55\n"},
                    LocalRun{"fr_FR_PlainSpace",
                             "fr_FR.UTF-8",
                             {"payment", "--principal", "100 000", "--rate", "6", "--years", "30"},
                             "599,55\n"},
                    LocalRun{"de_DE_BalanceTypedBack",
                             "de_DE.UTF-8",
                             {"how-much", "--balance", "$-1.427,61", "--rate", "6", "--withdrawal",
                              "100", "--after", "12"},
                             "$-2.749,22\n"},
                    LocalRun{
                        "de_CH_Rate",
                        "de_CH.UTF-8",
                        {"rate", "--principal", "100'000", "--payment", "599.55", "--years", "30"},
                        "6.000\n"}),
    CaseName{});

// Machine formats keep plain numbers whatever the locale.
TEST(Locale, MachineFormatsUnchanged) {
  for (const char* format : {"csv", "json"}) {
    std::vector<std::string> args = kSchedule;
    args.insert(args.end(), {"--format", format});
    const std::string plain = RunCliWith(In("C"), args).out;
    EXPECT_EQ(RunCliWith(In("de_DE.UTF-8"), WithLocale(args)).out, plain) << format;
    EXPECT_EQ(RunCliWith(In("fr_FR.UTF-8"), WithLocale(args)).out, plain) << format;
  }
}

TEST(Locale, ReportInTheLocale) {
  const CliResult result = RunCliWith(In("fr_FR.UTF-8"), WithLocale(kSchedule));
  EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1),
            "Amortization Table for 10\xC2\xA0"
            "000,00 at 7,500% for 1 years\n");
  EXPECT_NE(result.out.find("\n001  62,50  805,07  9\xC2\xA0"
                            "194,93\n"),
            std::string::npos);
}

// The saved report holds the no-break space as its one Latin-1 byte.
TEST(Locale, SavedReportHoldsLatin1Bytes) {
  TempDir dir;
  std::vector<std::string> args = kSchedule;
  args.insert(args.end(), {"--save", dir / "pret"});
  EXPECT_EQ(RunCliWith(In("fr_FR.UTF-8"), WithLocale(args)).exitCode, 0);
  const std::string bytes = ReadBytes(dir / "pret.txt");
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2),
            "\"Amortization Table for 10\xA0"
            "000,00 at 7,500% for 1 years\r\n");
  EXPECT_NE(bytes.find("\r\n001  62,50  805,07  9\xA0"
                       "194,93\r\n"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ScheduleMarkup,
    testing::Values(MarkupFormat{"SvgGerman",
                                 {"LC_ALL=de_DE.UTF-8"},
                                 {"--format", "svg", "--locale"},
                                 "<?xml",
                                 {"Table for 10.000,00 at ", ">10.000<"}},
                    MarkupFormat{
                        "HtmlSwiss",
                        {"LC_ALL=de_CH.UTF-8"},
                        {"--format", "html", "--locale"},
                        "<!DOCTYPE html>",
                        {"10&#39;000.00 at 7.500%",
                         "<td>001</td><td>62.50</td><td>805.07</td><td>9&#39;194.93</td>"}}),
    CaseName{});

}  // namespace
}  // namespace sw::cli_test
