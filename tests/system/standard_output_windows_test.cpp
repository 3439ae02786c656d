#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "system/standard_output.h"
#include "writer_folder.h"

namespace sw {
namespace {

using StandardOutputTest = WriterFolderTest;

// A standard output that refuses writes, missing or open only for reading,
// gives the reason in the file writer's words.
TEST_F(StandardOutputTest, KeepsTheReasonInTheFileWritersWords) {
  Write(Path("a.txt"), "kept");
  const HANDLE readOnly = CreateFileA(Path("a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const HANDLE kept = GetStdHandle(STD_OUTPUT_HANDLE);
  const std::pair<HANDLE, std::string> cases[] = {{nullptr, "Bad file descriptor"},
                                                  {readOnly, "Permission denied"}};
  for (const auto& [handle, reason] : cases) {
    SetStdHandle(STD_OUTPUT_HANDLE, handle);
    StandardOutput out;
    out << "x" << std::flush;
    SetStdHandle(STD_OUTPUT_HANDLE, kept);
    EXPECT_FALSE(out.good()) << reason;
    EXPECT_EQ(WriteFailureReason(out), reason);
  }
  CloseHandle(readOnly);
}

}  // namespace
}  // namespace sw
