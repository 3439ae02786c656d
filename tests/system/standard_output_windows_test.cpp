#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "system/standard_output.h"
#include "writer_folder.h"

namespace sw {
namespace {

using StandardOutputTest = WriterFolderTest;

// What a standard output that refuses writes says, in the file writer's
// words: a missing handle, and a file opened only for reading.
TEST_F(StandardOutputTest, KeepsTheReasonInTheFileWritersWords) {
  const std::string path = Path("read-only.txt");
  Write(path, "kept");
  const HANDLE readOnly = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(readOnly, INVALID_HANDLE_VALUE);
  const HANDLE kept = GetStdHandle(STD_OUTPUT_HANDLE);
  const std::pair<HANDLE, std::string> cases[] = {{nullptr, "Bad file descriptor"},
                                                  {readOnly, "Permission denied"}};
  for (const auto& [handle, reason] : cases) {
    SetStdHandle(STD_OUTPUT_HANDLE, handle);
    StandardOutput out;
    out << "x" << std::flush;
    SetStdHandle(STD_OUTPUT_HANDLE, kept);
    EXPECT_FALSE(out.good()) << reason;
    EXPECT_EQ(out.failure(), reason);
    EXPECT_EQ(WriteFailureReason(out), reason);
  }
  CloseHandle(readOnly);
  EXPECT_EQ(Read(path), "kept");
}

}  // namespace
}  // namespace sw
