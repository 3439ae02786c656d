#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "cli_process.h"

namespace sw::cli_test {
namespace {

// Every text the program shows, written out in full here and nowhere else,
// so that a slip in any of them fails.
struct ShownText {
  const char* name;
  std::vector<std::string> args;
  std::string out;
  std::string err;
  int exitCode;
};

void PrintTo(const ShownText& c, std::ostream* os) { *os << c.name; }

class ShownTexts : public testing::TestWithParam<ShownText> {};

TEST_P(ShownTexts, AreExactlyTheseWords) {
  const CliResult run = RunCli(GetParam().args);
  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_EQ(run.err, GetParam().err);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
}

const std::string kFooter =
    "Values are read as the calculator's entry fields read them.\n"
    "Numbers use \",\" and \".\" whatever the locale; with --locale, the separators of\n"
    "LC_ALL, LC_NUMERIC or LANG, as the windows do. csv and json keep plain numbers.\n"
    "Exit status: 0 done, 1 calculation failed, 2 usage error, 3 output not written.\n";

INSTANTIATE_TEST_SUITE_P(
    Messages, ShownTexts,
    testing::Values(
        ShownText{"Payment",
                  {"payment", "--principal", "100000", "--rate", "0", "--years", "30"},
                  "",
                  "Non-zero values must be entered in the Principal, Interest and Years boxes\n",
                  1},
        ShownText{"Principal",
                  {"principal", "--payment", "599.55", "--rate", "0", "--years", "30"},
                  "",
                  "Non-zero values must be entered in the Monthly Payment, Interest and Years "
                  "boxes\n",
                  1},
        ShownText{"Term",
                  {"term", "--principal", "1000", "--payment", "0", "--rate", "0"},
                  "",
                  "Non-zero values must be entered in the Monthly Payment, Principal, and "
                  "Interest boxes\n",
                  1},
        ShownText{"Rate",
                  {"rate", "--principal", "100000", "--payment", "599.55", "--years", "0"},
                  "",
                  "Non-zero values must be entered in the Monthly Payment, Principal, and Years "
                  "boxes\n",
                  1},
        ShownText{"Remaining",
                  {"remaining", "--principal", "100000", "--payment", "599.55", "--rate", "6",
                   "--after", "32767"},
                  "",
                  "Non-zero values must be entered in the Monthly Payment, Principal, Interest, "
                  "and 'After' boxes\n",
                  1},
        ShownText{"HowLong",
                  {"how-long", "--balance", "32768", "--rate", "0", "--withdrawal", "1"},
                  "",
                  "Non-zero values must be entered in the Principal, Interest and Monthly "
                  "withdrawal boxes\n",
                  1},
        ShownText{"HowMuch",
                  {"how-much", "--balance", "10000", "--rate", "0", "--withdrawal", "100",
                   "--after", "12"},
                  "",
                  "Non-zero values must be entered in the Principal, Interest, Monthly "
                  "withdrawal, and 'After' boxes\n",
                  1}),
    CaseName{});

INSTANTIATE_TEST_SUITE_P(
    HelpAndUsage, ShownTexts,
    testing::Values(
        ShownText{"ProgramHelp",
                  {"--help"},
                  "Calculator for fixed-rate loans and savings draw-down\n"
                  "Usage: sumwright-cli [OPTIONS] SUBCOMMAND\n"
                  "\n"
                  "Options:\n"
                  "  -h,--help                   Print this help message and exit\n"
                  "  --version                   Display program version information and exit\n"
                  "\n"
                  "Subcommands:\n"
                  "  payment                     Monthly payment of a loan\n"
                  "  principal                   Principal that a monthly payment repays\n"
                  "  term                        Number of years until a loan is repaid\n"
                  "  rate                        Yearly interest rate of a loan\n"
                  "  remaining                   Principal still owed after a number of payments\n"
                  "  how-long                    Number of months that a balance lasts\n"
                  "  how-much                    Balance left after a number of months\n"
                  "  schedule                    Month-by-month amortization table of a loan\n"
                  "\n" +
                      kFooter,
                  "",
                  0},
        ShownText{"RemainingHelp",
                  {"remaining", "--help"},
                  "Principal still owed after a number of payments\n"
                  "Usage: sumwright-cli remaining [OPTIONS]\n"
                  "\n"
                  "Options:\n"
                  "  -h,--help                   Print this help message and exit\n"
                  "  --principal P REQUIRED      Principal of the loan\n"
                  "  --payment A REQUIRED        Monthly payment\n"
                  "  --rate I REQUIRED           Yearly interest rate in percent\n"
                  "  --after K REQUIRED          Number of payments made\n"
                  "  --locale                    Read and write numbers in your locale, as the "
                  "windows do\n"
                  "\n" +
                      kFooter,
                  "",
                  0},
        ShownText{"HowMuchHelp",
                  {"how-much", "--help"},
                  "Balance left after a number of months\n"
                  "Usage: sumwright-cli how-much [OPTIONS]\n"
                  "\n"
                  "Options:\n"
                  "  -h,--help                   Print this help message and exit\n"
                  "  --balance B REQUIRED        Balance at the start\n"
                  "  --rate R REQUIRED           Yearly interest rate in percent\n"
                  "  --withdrawal W REQUIRED     Amount withdrawn every month\n"
                  "  --after N REQUIRED          Number of months\n"
                  "  --locale                    Read and write numbers in your locale, as the "
                  "windows do\n"
                  "\n" +
                      kFooter,
                  "",
                  0},
        ShownText{"ScheduleHelp",
                  {"schedule", "--help"},
                  "Month-by-month amortization table of a loan\n"
                  "Usage: sumwright-cli schedule [OPTIONS]\n"
                  "\n"
                  "Options:\n"
                  "  -h,--help                   Print this help message and exit\n"
                  "  --principal P REQUIRED      Principal of the loan\n"
                  "  --rate I REQUIRED           Yearly interest rate in percent\n"
                  "  --years N REQUIRED          Number of years\n"
                  "  --locale                    Read and write numbers in your locale, as the "
                  "windows do\n"
                  "  --format FORMAT:{text,csv,json,svg,html}\n"
                  "                              Output: the text report, the unrounded rows, a "
                  "chart or a printable page\n"
                  "  --save FILE Excludes: --append\n"
                  "                              Replace the content of FILE with the text report "
                  "(\".txt\" is added unless FILE ends in it)\n"
                  "  --append FILE Excludes: --save\n"
                  "                              Add the text report at the end of FILE\n"
                  "\n" +
                      kFooter,
                  "",
                  0},
        ShownText{"UsageError",
                  {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "csv",
                   "--save", "a"},
                  "",
                  "sumwright-cli: --save and --append write the text report: they go only with "
                  "--format text, not with --format csv\n"
                  "Usage:\n"
                  "  sumwright-cli payment   --principal P --rate I --years N\n"
                  "  sumwright-cli principal --payment A --rate I --years N\n"
                  "  sumwright-cli term      --principal P --payment A --rate I\n"
                  "  sumwright-cli rate      --principal P --payment A --years N\n"
                  "  sumwright-cli remaining --principal P --payment A --rate I --after K\n"
                  "  sumwright-cli how-long  --balance B --rate R --withdrawal W\n"
                  "  sumwright-cli how-much  --balance B --rate R --withdrawal W --after N\n"
                  "  sumwright-cli schedule  --principal P --rate I --years N "
                  "[--format text|csv|json|svg|html]\n"
                  "                          [--save FILE | --append FILE]\n"
                  "  sumwright-cli --help | --version\n"
                  "Run \"sumwright-cli COMMAND --help\" for the meaning of a command's options.\n",
                  2}),
    CaseName{});

}  // namespace
}  // namespace sw::cli_test
