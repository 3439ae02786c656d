#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace sw::cli_test {
namespace {

using Args = std::vector<std::string>;

class UsageError : public testing::TestWithParam<Args> {};

TEST_P(UsageError, PrintsTheUsageAndExitsWithTwo) {
  const CliResult run = RunCli(GetParam());
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with("sumwright-cli: ")) << run.err;
  EXPECT_NE(run.err.find("Usage:\n  sumwright-cli payment "), std::string::npos) << run.err;
  EXPECT_EQ(run.exitCode, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageError,
    testing::Values(
        Args{}, Args{"mortgage"}, Args{"--principal", "1"},
        Args{"payment", "--principal", "100000", "--rate", "6"},
        Args{"payment", "--principal", "100000", "--rate", "6", "--years"},
        Args{"payment", "--principal", "100000", "--rate", "6", "--years", "30", "--term", "1"},
        Args{"payment", "--principal", "100000", "--rate", "6", "--years", "30", "extra"},
        Args{"payment", "--principal", "1", "--principal", "2", "--rate", "6", "--years", "30"},
        Args{"how-long", "--balance", "1", "--rate", "6"},
        Args{"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "xml"},
        Args{"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "CSV"},
        Args{"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--save", "a",
             "--append", "b"},
        Args{"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format", "csv",
             "--save", "a"},
        Args{"schedule", "--principal", "1", "--rate", "6", "--years", "1", "--format=json",
             "--append", "a"}));

struct HelpCase {
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
    testing::Values(HelpCase{{"--help"}, "Usage: sumwright-cli [OPTIONS] SUBCOMMAND"},
                    HelpCase{{"-h"}, "Usage: sumwright-cli [OPTIONS] SUBCOMMAND"},
                    HelpCase{{"payment", "--help"}, "Usage: sumwright-cli payment"},
                    HelpCase{{"principal", "--help"}, "Usage: sumwright-cli principal"},
                    HelpCase{{"term", "--help"}, "Usage: sumwright-cli term"},
                    HelpCase{{"rate", "--help"}, "Usage: sumwright-cli rate"},
                    HelpCase{{"remaining", "--help"}, "Usage: sumwright-cli remaining"},
                    HelpCase{{"how-long", "--help"}, "Usage: sumwright-cli how-long"},
                    HelpCase{{"how-much", "-h"}, "Usage: sumwright-cli how-much"},
                    HelpCase{{"schedule", "--principal", "1", "--help"},
                             "Usage: sumwright-cli schedule"}));

TEST(Version, PrintsTheProjectVersion) {
  const CliResult run = RunCli({"--version"});
  EXPECT_EQ(run.out, "sumwright-cli " SUMWRIGHT_VERSION "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
}

}  // namespace
}  // namespace sw::cli_test
