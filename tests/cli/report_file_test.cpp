#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "case_name.h"
#include "cli_process.h"
#include "schedule_args.h"
#include "temp_dir.h"

namespace sw::cli_test {
namespace {

// One quoted record of the worked example's report text.
std::string WorkedExampleRecord() {
  return std::string("\"").append(WorkedExampleText("\r\n")).append("\"\r\n");
}

void ExpectQuietSuccess(const CliResult& run) {
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
}

TEST(ReportSave, WritesOneQuotedRecordWithCrLfLines) {
  const TempDir dir;
  WriteBytes(dir / "loan.txt", std::string(5000, 'x'));
  ExpectQuietSuccess(RunCli(ScheduleArgs({"--save", dir / "loan.txt"})));
  EXPECT_EQ(ReadBytes(dir / "loan.txt"), WorkedExampleRecord());
  EXPECT_FALSE(std::filesystem::exists(dir / "loan.txt.txt"));
}

TEST(ReportAppend, AddsARecordAfterTheBytesAlreadyThere) {
  const TempDir dir;
  ExpectQuietSuccess(RunCli(ScheduleArgs({"--append", dir / "loan.txt"})));
  ExpectQuietSuccess(RunCli(ScheduleArgs({"--append=" + dir / "loan.txt"})));
  EXPECT_EQ(ReadBytes(dir / "loan.txt"), WorkedExampleRecord() + WorkedExampleRecord());
}

struct NameCase {
  const char* name;
  std::string chosen;
  std::string written;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.chosen; }

class ReportFileName : public testing::TestWithParam<NameCase> {};

TEST_P(ReportFileName, AddsTxtUnlessTheNameEndsInExactlyTxt) {
  const TempDir dir;
  ExpectQuietSuccess(RunCli(ScheduleArgs({"--save", dir / GetParam().chosen})));
  EXPECT_EQ(ReadBytes(dir / GetParam().written), WorkedExampleRecord());
  EXPECT_FALSE(std::filesystem::exists(dir / GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ReportFileName,
    testing::Values(NameCase{"AddsTxt", "loan", "loan.txt"},
                    NameCase{"UpperCaseIsNotTxt", "REPORT.TXT", "REPORT.TXT.txt"},
                    NameCase{"TxtInsideTheName", "a.txt.bak", "a.txt.bak.txt"}),
    CaseName{});

// Names a case after its option without the dashes: "save", "append".
std::string OptionName(const testing::TestParamInfo<std::string>& info) {
  return info.param.substr(2);
}

class ReportWriteFailure : public testing::TestWithParam<std::string> {};

TEST_P(ReportWriteFailure, NamesTheFileAndCreatesNothingInAMissingFolder) {
  const TempDir dir;
  const CliResult run = RunCli(ScheduleArgs({GetParam(), dir / "missing/loan"}));
  EXPECT_EQ(run.out, "");
  const std::string path = dir / "missing/loan.txt";
  EXPECT_EQ(run.err, "sumwright-cli: cannot write \"" + path + "\": No such file or directory\n");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_P(ReportWriteFailure, LeavesAFileOnThePathUnchanged) {
  const TempDir dir;
  WriteBytes(dir / "blocker", "kept");
  const CliResult run = RunCli(ScheduleArgs({GetParam(), dir / "blocker/loan"}));
  const std::string quotedPath = std::string("\"").append(dir / "blocker/loan.txt").append("\"");
  EXPECT_NE(run.err.find(quotedPath), std::string::npos) << run.err;
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(ReadBytes(dir / "blocker"), "kept");
}

INSTANTIATE_TEST_SUITE_P(SaveAndAppend, ReportWriteFailure, testing::Values("--save", "--append"),
                         OptionName);

class NamelessReport : public testing::TestWithParam<std::string> {};

// Nothing before the ".txt" that would be added: the option is named, as a
// usage error, and no file is written.
TEST_P(NamelessReport, IsAUsageErrorThatWritesNothing) {
  const TempDir dir;
  for (const std::string& chosen : {std::string(), dir / ""}) {
    const CliResult run = RunCli(ScheduleArgs({GetParam(), chosen}));
    EXPECT_TRUE(run.err.starts_with("sumwright-cli: " + GetParam() + " \"" + chosen +
                                    "\" names no file: a file name must come before the \".txt\" "
                                    "that is added\nUsage:\n"))
        << run.err;
    EXPECT_EQ(run.exitCode, 2);
  }
  EXPECT_FALSE(std::filesystem::exists(".txt"));
  EXPECT_TRUE(std::filesystem::is_empty(dir / ""));
}

INSTANTIATE_TEST_SUITE_P(SaveAndAppend, NamelessReport, testing::Values("--save", "--append"),
                         OptionName);

class RefusedReport : public testing::TestWithParam<std::string> {};

TEST_P(RefusedReport, WritesNothingWhenTheLoanIsRefused) {
  const TempDir dir;
  WriteBytes(dir / "loan.txt", "kept");
  const CliResult run = RunCli(
      {"schedule", "--principal", "0", "--rate", "6", "--years", "1", GetParam(), dir / "loan"});
  EXPECT_EQ(run.err, "Please fill in the Principal of the loan\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(ReadBytes(dir / "loan.txt"), "kept");
}

INSTANTIATE_TEST_SUITE_P(SaveAndAppend, RefusedReport, testing::Values("--save", "--append"),
                         OptionName);

}  // namespace
}  // namespace sw::cli_test
