#include "report/file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sw {
namespace {

namespace fs = std::filesystem;

class WriteReportFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("sumwright-writer-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string Read(const std::string& path) {
    std::ifstream in{path, std::ios::binary};
    return {std::istreambuf_iterator<char>{in}, {}};
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream{path, std::ios::binary} << bytes;
  }
  std::size_t EntriesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator{dir_}, {}));
  }

  fs::path dir_;
};

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
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(WriteReportFileTest, ReplaceThroughSymlinkReplacesTheLinkedFile) {
  const std::string target = Path("target.txt");
  const std::string link = Path("link.txt");
  Write(target, "old");
  fs::create_symlink(target, link);
  ASSERT_EQ(WriteReportFile(link, "new", WriteMode::Replace), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "new");
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
