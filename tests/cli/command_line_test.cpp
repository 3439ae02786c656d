#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "cli_process.h"
#include "product.h"

namespace sw::cli_test {
namespace {

using Args = std::vector<std::string>;

struct UsageCase {
  const char* name;
  Args args;
};

class UsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, PrintsTheUsageAndExitsWithTwo) {
  const CliResult run = RunCli(GetParam().args);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with("sumwright-cli: ")) << run.err;
  EXPECT_NE(run.err.find("Usage:\n  sumwright-cli payment "), std::string::npos) << run.err;
  EXPECT_EQ(run.exitCode, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageError,
    testing::Values(
        UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"mortgage"}},
        UsageCase{"OptionWithoutCommand", {"--principal", "1"}},
        UsageCase{"MissingOption", {"payment", "--principal", "100000", "--rate", "6"}},
        UsageCase{"OptionWithoutValue",
                  {"payment", "--principal", "100000", "--rate", "6", "--years"}},
        UsageCase{
            "UnknownOption",
            {"payment", "--principal", "100000", "--rate", "6", "--years", "30", "--term", "1"}},
        UsageCase{"ExtraArgument",
                  {"payment", "--principal", "100000", "--rate", "6", "--years", "30", "extra"}},
        UsageCase{
            "RepeatedOption",
            {"payment", "--principal", "1", "--principal", "2", "--rate", "6", "--years", "30"}},
        UsageCase{"HowLongMissingOption", {"how-long", "--balance", "1", "--rate", "6"}},
        UsageCase{
            "UnknownFormat",
            {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "xml"}},
        UsageCase{
            "FormatIsCaseSensitive",
            {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "CSV"}},
        UsageCase{"SaveAndAppend",
                  {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--save", "a",
                   "--append", "b"}},
        UsageCase{"SaveWithCsv",
                  {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "csv",
                   "--save", "a"}},
        UsageCase{"AppendWithJson",
                  {"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format=json",
                   "--append", "a"}}),
    CaseName{});

struct UnknownCommandCase {
  const char* name;
  std::string typed;
  std::string problem;
};

class UnknownCommand : public testing::TestWithParam<UnknownCommandCase> {};

TEST_P(UnknownCommand, NamesTheWordAndTheNearestCommand) {
  const CliResult run = RunCli({GetParam().typed, "--principal", "1"});
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with("sumwright-cli: " + GetParam().problem + "\nUsage:\n"))
      << run.err;
  EXPECT_EQ(run.exitCode, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Typos, UnknownCommand,
    testing::Values(UnknownCommandCase{"LetterMissing", "paymnt",
                                       R"(unknown command "paymnt"; did you mean "payment"?)"},
                    UnknownCommandCase{"Capital", "Payment",
                                       R"(unknown command "Payment"; did you mean "payment"?)"},
                    UnknownCommandCase{"LettersSwapped", "shcedule",
                                       R"(unknown command "shcedule"; did you mean "schedule"?)"},
                    UnknownCommandCase{"Underscore", "how_long",
                                       R"(unknown command "how_long"; did you mean "how-long"?)"},
                    UnknownCommandCase{"NoHyphen", "howmuch",
                                       R"(unknown command "howmuch"; did you mean "how-much"?)"},
                    UnknownCommandCase{"LetterAdded", "rates",
                                       R"(unknown command "rates"; did you mean "rate"?)"},
                    UnknownCommandCase{"ShortWord", "tem",
                                       R"(unknown command "tem"; did you mean "term"?)"},
                    // As near to "how-long" as to "how-much": the first in the catalogue wins.
                    UnknownCommandCase{"TwoEquallyNear", "how-loch",
                                       R"(unknown command "how-loch"; did you mean "how-long"?)"},
                    UnknownCommandCase{"NothingNear", "mortgage", R"(unknown command "mortgage")"},
                    UnknownCommandCase{"OneLetter", "x", R"(unknown command "x")"},
                    UnknownCommandCase{"Empty", "", R"(unknown command "")"}),
    CaseName{});

struct HelpCase {
  const char* name;
  Args args;
  std::string usageLine;
};

class Help : public testing::TestWithParam<HelpCase> {};

TEST_P(Help, PrintsTheCommandsHelpAndSucceeds) {
  const CliResult run = RunCli(GetParam().args);
  EXPECT_NE(run.out.find(GetParam().usageLine), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, Help,
    testing::Values(
        HelpCase{"Help", {"--help"}, "Usage: sumwright-cli [OPTIONS] SUBCOMMAND"},
        HelpCase{"ShortHelp", {"-h"}, "Usage: sumwright-cli [OPTIONS] SUBCOMMAND"},
        HelpCase{"Payment", {"payment", "--help"}, "Usage: sumwright-cli payment"},
        HelpCase{"Principal", {"principal", "--help"}, "Usage: sumwright-cli principal"},
        HelpCase{"Term", {"term", "--help"}, "Usage: sumwright-cli term"},
        HelpCase{"Rate", {"rate", "--help"}, "Usage: sumwright-cli rate"},
        HelpCase{"Remaining", {"remaining", "--help"}, "Usage: sumwright-cli remaining"},
        HelpCase{"HowLong", {"how-long", "--help"}, "Usage: sumwright-cli how-long"},
        HelpCase{"HowMuchShort", {"how-much", "-h"}, "Usage: sumwright-cli how-much"},
        HelpCase{"ScheduleAfterOptions",
                 {"schedule", "--principal", "1", "--help"},
                 "Usage: sumwright-cli schedule"},
        // An empty assigned value neither takes "--help" as its value nor hides it.
        HelpCase{"EmptyValueAfterHelp",
                 {"payment", "--help", "--principal="},
                 "Usage: sumwright-cli payment"},
        HelpCase{"EmptyValueBeforeHelp",
                 {"payment", "--principal=", "--help"},
                 "Usage: sumwright-cli payment"},
        // The flags take no value: one assigned to them is not read.
        HelpCase{"AssignedValue", {"--help=x"}, "Usage: sumwright-cli [OPTIONS] SUBCOMMAND"}),
    CaseName{});

TEST(Version, PrintsTheProjectVersion) {
  for (const char* flag : {"--version", "--version=x"}) {
    const CliResult run = RunCli({flag});
    EXPECT_EQ(run.out, std::string("sumwright-cli ") + product::kVersion + "\n") << flag;
    EXPECT_EQ(run.err, "") << flag;
    EXPECT_EQ(run.exitCode, 0) << flag;
  }
}

}  // namespace
}  // namespace sw::cli_test
