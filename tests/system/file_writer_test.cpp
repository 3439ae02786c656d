#include "system/file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "writer_folder.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

using WriteReportFileTest = WriterFolderTest;

// Caps the size of files this process may write, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(WriteReportFileTest, ReplaceWritesExactBytesAndReplacesOldContent) {
  const std::string path = Path("a.txt");
  Write(path, "old content that is longer");
  EXPECT_EQ(WriteReportFile(path, "\"new\"\r\n", WriteMode::Replace), std::nullopt);
  EXPECT_EQ(Read(path), "\"new\"\r\n");
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(WriteReportFileTest, ReplaceKeepsPermissionsOfExistingFile) {
  const std::string path = Path("a.txt");
  Write(path, "x");
  ::chmod(path.c_str(), 0640);
  ASSERT_EQ(WriteReportFile(path, "y", WriteMode::Replace), std::nullopt);
  EXPECT_EQ(Status(path).st_mode & 0777, 0640u);
}

TEST_F(WriteReportFileTest, AppendAddsAfterLastByteAndCreatesMissingFile) {
  const std::string path = Path("b.txt");
  ASSERT_EQ(WriteReportFile(path, "one\r\n", WriteMode::Append), std::nullopt);
  ASSERT_EQ(WriteReportFile(path, "two\r\n", WriteMode::Append), std::nullopt);
  EXPECT_EQ(Read(path), "one\r\ntwo\r\n");
}

TEST_F(WriteReportFileTest, MissingFolderOrFileAsFolderFailsWithReason) {
  Write(Path("plain"), "x");
  for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
    const auto missing = WriteReportFile(Path("no/such/dir/x.txt"), "abc", mode);
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(*missing, "No such file or directory");
    const auto notDir = WriteReportFile(Path("plain/x.txt"), "abc", mode);
    ASSERT_TRUE(notDir.has_value());
    EXPECT_EQ(*notDir, "Not a directory");
  }
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(WriteReportFileTest, ShortReplaceLeavesOldFileWhole) {
  const std::string path = Path("c.txt");
  Write(path, "previous bytes");
  {
    FileSizeLimit limit{100};
    EXPECT_TRUE(WriteReportFile(path, std::string(1000, 'x'), WriteMode::Replace).has_value());
  }
  EXPECT_EQ(Read(path), "previous bytes");
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(WriteReportFileTest, ShortAppendCutsBackToOldSize) {
  const std::string path = Path("d.txt");
  Write(path, "previous bytes");
  {
    FileSizeLimit limit{100};
    EXPECT_TRUE(WriteReportFile(path, std::string(1000, 'x'), WriteMode::Append).has_value());
  }
  EXPECT_EQ(Read(path), "previous bytes");
}

TEST_F(WriteReportFileTest, ShortAppendToNewFileLeavesNoFile) {
  const std::string path = Path("e.txt");
  {
    FileSizeLimit limit{100};
    EXPECT_TRUE(WriteReportFile(path, std::string(1000, 'x'), WriteMode::Append).has_value());
  }
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace sw
