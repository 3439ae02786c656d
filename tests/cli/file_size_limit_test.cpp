#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include "cli_process.h"
#include "schedule_args.h"
#include "temp_dir.h"

namespace sw::cli_test {
namespace {

struct LimitCase {
  std::string option;
  std::optional<std::string> old;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.option << (c.old ? " to an existing file" : " to a new file");
}

class FileSizeLimit : public testing::TestWithParam<LimitCase> {};

// Over the limit the write fails like any other: the file is left as it was
// and no temporary file stays behind.
TEST_P(FileSizeLimit, FailsTheWriteAndLeavesTheFileAsItWas) {
  const TempDir dir;
  const std::string path = dir / "loan.txt";
  if (GetParam().old) WriteBytes(path, *GetParam().old);
  const CliResult run = RunCli(ScheduleArgs({GetParam().option, path}), 100);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "sumwright-cli: cannot write \"" + path + "\": File too large\n");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(std::filesystem::exists(path), GetParam().old.has_value());
  EXPECT_EQ(ReadBytes(path), GetParam().old.value_or(""));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / ""), {}),
            GetParam().old ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(SaveAndAppend, FileSizeLimit,
                         testing::Values(LimitCase{"--save", "\"an earlier report\"\r\n"},
                                         LimitCase{"--append", "\"an earlier report\"\r\n"},
                                         LimitCase{"--save", std::nullopt},
                                         LimitCase{"--append", std::nullopt}),
                         [](const auto& info) {
                           return info.param.option.substr(2) +
                                  (info.param.old ? "_ExistingFile" : "_NewFile");
                         });

}  // namespace
}  // namespace sw::cli_test
