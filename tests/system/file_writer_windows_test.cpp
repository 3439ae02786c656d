#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "system/file_writer.h"
#include "writer_folder.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

using WindowsWriterTest = WriterFolderTest;

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

TEST_F(WindowsWriterTest, ReplaceKeepsReadOnlyAndHidden) {
  const std::string path = Path("a.txt");
  Write(path, "old");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(WriteReportFile(path, "\"new\"\r\n", WriteMode::Replace), std::nullopt);
  EXPECT_EQ(Read(path), "\"new\"\r\n");
  EXPECT_EQ(Attributes(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
            DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN});
  EXPECT_EQ(EntriesInDir(), 1u);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsWriterTest, Utf8NameBecomesTheUtf16Name) {
  const std::string name = "caf\xC3\xA9 \xE2\x82\xAC.txt";
  for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
    ASSERT_EQ(WriteReportFile(Path("") + name, "x", mode), std::nullopt);
  }
  EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), fs::path(u8"caf\u00E9 \u20AC.txt"));
  EXPECT_EQ(WriteReportFile(Path("") + "bad\xC3", "x", WriteMode::Replace),
            "Invalid or incomplete multibyte or wide character");
}

TEST_F(WindowsWriterTest, MissingFolderAndDeviceNamesFailWithLinuxReasons) {
  for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
    EXPECT_EQ(WriteReportFile(Path("no/such/x.txt"), "x", mode), "No such file or directory");
    EXPECT_EQ(WriteReportFile(Path("aux.txt"), "x", mode), "Invalid argument");
    EXPECT_EQ(WriteReportFile("LPT9", "x", mode), "Invalid argument");
    EXPECT_EQ(WriteReportFile(Path("") + "x:y.txt", "x", mode), "Invalid argument");
    EXPECT_EQ(WriteReportFile(dir_.string(), "x", mode).has_value(), true);
  }
  EXPECT_EQ(EntriesInDir(), 0u);
}

}  // namespace
}  // namespace sw
