#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "case_name.h"
#include "cli_process.h"
#include "schedule_args.h"
#include "temp_dir.h"

namespace sw::cli_test {
namespace {

namespace fs = std::filesystem;

// A UTF-8 name as Windows stores it (std::string paths are read in the ANSI
// code page there).
fs::path Utf8Path(const std::string& name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

std::string ReadPath(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct NameCase {
  const char* name;
  const char* chosen;  // UTF-8
};

class NonAsciiReportName : public testing::TestWithParam<NameCase> {};

// The argument reaches the file calls as UTF-16, so the file has exactly the
// name typed, and the same bytes as a save on Linux.
TEST_P(NonAsciiReportName, SavesAndAppendsUnderExactlyThatName) {
  const TempDir dir;
  const std::string chosen = (dir / "") + GetParam().chosen;
  const fs::path written = Utf8Path(chosen + ".txt");
  EXPECT_EQ(RunCli(ScheduleArgs({"--save", chosen})).exitCode, 0);
  EXPECT_EQ(RunCli(ScheduleArgs({"--append", chosen})).exitCode, 0);
  const std::string record = std::string("\"").append(WorkedExampleText("\r\n")).append("\"\r\n");
  EXPECT_EQ(ReadPath(written), record + record);
  EXPECT_EQ(std::distance(fs::directory_iterator(Utf8Path(dir / "")), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, NonAsciiReportName,
                         testing::Values(NameCase{"Latin1", "Z\xC3\xBCrich \xE2\x82\xAC"},
                                         NameCase{"Cjk", "\xE6\x97\xA5\xE6\x9C\xAC"},
                                         NameCase{"OutsideTheBmp", "\xF0\x9F\x92\xB0 savings"}),
                         CaseName{});

class RefusedWindowsName : public testing::TestWithParam<NameCase> {};

TEST_P(RefusedWindowsName, FailsWithExitCode3AndWritesNothing) {
  const TempDir dir;
  // Not dir / name: a path with a drive, such as "a:b", would replace dir.
  const std::string chosen = (dir / "") + GetParam().chosen;
  for (const char* option : {"--save", "--append"}) {
    const CliResult run = RunCli(ScheduleArgs({option, chosen}));
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "sumwright-cli: cannot write \"" + chosen + ".txt\": Invalid argument\n");
    EXPECT_EQ(run.exitCode, 3);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / ""), {}), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedWindowsName,
    testing::Values(NameCase{"Console", "CON"}, NameCase{"NulWithExtension", "nul.csv"},
                    NameCase{"SerialPort", "Com1"}, NameCase{"SuperscriptPort", "COM\xC2\xB9"},
                    NameCase{"SuperscriptPrinter", "lpt\xC2\xB3.log"},
                    NameCase{"ConsoleInput", "CONIN$"}, NameCase{"ConsoleOutput", "conout$"},
                    NameCase{"Stream", "a:b"}, NameCase{"Wildcard", "what?"}),
    CaseName{});

}  // namespace
}  // namespace sw::cli_test
