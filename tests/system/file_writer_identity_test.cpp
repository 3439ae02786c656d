#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>

#include "system/file_writer.h"
#include "writer_folder.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

struct UnprivilegedWrite {
  bool ran;  // false: this machine cannot act as an unprivileged user
  std::optional<std::string> failure;
};

// Writes as the user "nobody" in a child process when this one runs as root,
// and here when it already runs as an ordinary user.
UnprivilegedWrite WriteAsUnprivilegedUser(const std::string& path, std::string_view bytes,
                                          WriteMode mode) {
  if (::geteuid() != 0) return {true, WriteReportFile(path, bytes, mode)};
  std::array<int, 2> pipe{};
  if (::pipe(pipe.data()) != 0) return {false, std::nullopt};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    std::string answer = "-";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
      const auto failure = WriteReportFile(path, bytes, mode);
      answer = failure ? "!" + *failure : "+";
    }
    static_cast<void>(::write(pipe[1], answer.data(), answer.size()));
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string answer;
  std::array<char, 256> buffer{};
  for (ssize_t n; (n = ::read(pipe[0], buffer.data(), buffer.size())) > 0;) {
    answer.append(buffer.data(), static_cast<std::size_t>(n));
  }
  ::close(pipe[0]);
  ::waitpid(child, nullptr, 0);
  if (answer.empty() || answer[0] == '-') return {false, std::nullopt};
  if (answer[0] == '+') return {true, std::nullopt};
  return {true, answer.substr(1)};
}

#define SKIP_UNLESS_RAN(write) \
  if (!(write).ran) GTEST_SKIP() << "cannot switch to the unprivileged user " << kNobody

#define SKIP_UNLESS_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make files owned by another user"

std::string ModeName(WriteMode mode) { return mode == WriteMode::Replace ? "Replace" : "Append"; }

std::string Expected(WriteMode mode, const std::string& old, const std::string& bytes) {
  return mode == WriteMode::Replace ? bytes : old + bytes;
}

struct LinkCase {
  const char* name;
  const char* linkText;  // where "link.txt" points; "hop.txt" points to "target.txt"
  bool targetExists;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class WriteThroughLink : public WriterFolderTest,
                         public testing::WithParamInterface<std::tuple<LinkCase, WriteMode>> {};

TEST_P(WriteThroughLink, ChangesTheLinkedFileAndKeepsTheLink) {
  const auto& [link, mode] = GetParam();
  const std::string old = link.targetExists ? "old\r\n" : "";
  if (link.targetExists) Write(Path("target.txt"), old);
  fs::create_symlink("target.txt", Path("hop.txt"));
  const std::string linkText =
      std::string(link.linkText) == "@absolute" ? Path("target.txt") : std::string(link.linkText);
  fs::create_symlink(linkText, Path("link.txt"));

  ASSERT_EQ(WriteReportFile(Path("link.txt"), "new\r\n", mode), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
  EXPECT_EQ(fs::read_symlink(Path("link.txt")), linkText);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Path("target.txt"))));
  EXPECT_EQ(Read(Path("target.txt")), Expected(mode, old, "new\r\n"));
  EXPECT_EQ(EntriesInDir(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    LinksAndModes, WriteThroughLink,
    testing::Combine(testing::Values(LinkCase{"relative", "target.txt", true},
                                     LinkCase{"absolute", "@absolute", true},
                                     LinkCase{"to_a_link", "hop.txt", true},
                                     LinkCase{"dangling", "target.txt", false},
                                     LinkCase{"dangling_to_a_link", "hop.txt", false}),
                     testing::Values(WriteMode::Replace, WriteMode::Append)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + ModeName(std::get<1>(info.param));
    });

using WriteReportFileIdentity = WriterFolderTest;

TEST_F(WriteReportFileIdentity, EveryHardLinkedNameSeesTheNewContent) {
  Write(Path("a.txt"), "old content\r\n");
  fs::create_hard_link(Path("a.txt"), Path("b.txt"));
  const ino_t inode = Status(Path("a.txt")).st_ino;

  ASSERT_EQ(WriteReportFile(Path("a.txt"), "new\r\n", WriteMode::Replace), std::nullopt);
  EXPECT_EQ(Read(Path("a.txt")), "new\r\n");
  EXPECT_EQ(Read(Path("b.txt")), "new\r\n");
  EXPECT_EQ(Status(Path("b.txt")).st_ino, inode);
  EXPECT_EQ(EntriesInDir(), 2u);
}

TEST_F(WriteReportFileIdentity, NameTooLongForACopyBesideItIsStillSaved) {
  const std::string path = Path(std::string(250, 'n') + ".txt");
  Write(path, "old");
  ASSERT_EQ(WriteReportFile(path, "new", WriteMode::Replace), std::nullopt);
  EXPECT_EQ(Read(path), "new");
  EXPECT_EQ(EntriesInDir(), 1u);
}

struct ReadOnlyFolderCase {
  WriteMode mode;
  bool fileExists;
  std::optional<std::string> failure;
};

void PrintTo(const ReadOnlyFolderCase& c, std::ostream* os) {
  *os << ModeName(c.mode) << (c.fileExists ? " to a writable file" : " to a new file");
}

class ReadOnlyFolder : public WriterFolderTest,
                       public testing::WithParamInterface<ReadOnlyFolderCase> {};

// What the user may write is written, even where no file may be added.
TEST_P(ReadOnlyFolder, WritesAWritableFileButCreatesNothing) {
  const auto& [mode, fileExists, failure] = GetParam();
  const std::string path = Path("report.txt");
  if (fileExists) {
    Write(path, "old\r\n");
    ::chmod(path.c_str(), 0666);
  }
  ::chmod(dir_.c_str(), 0555);

  const UnprivilegedWrite write = WriteAsUnprivilegedUser(path, "new\r\n", mode);
  SKIP_UNLESS_RAN(write);
  EXPECT_EQ(write.failure, failure);
  EXPECT_EQ(Read(path), fileExists ? Expected(mode, "old\r\n", "new\r\n") : "");
  EXPECT_EQ(EntriesInDir(), fileExists ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    ExistingOrNot, ReadOnlyFolder,
    testing::Values(ReadOnlyFolderCase{WriteMode::Replace, true, std::nullopt},
                    ReadOnlyFolderCase{WriteMode::Append, true, std::nullopt},
                    ReadOnlyFolderCase{WriteMode::Replace, false, "Permission denied"},
                    ReadOnlyFolderCase{WriteMode::Append, false, "Permission denied"}),
    [](const auto& info) {
      return ModeName(info.param.mode) + (info.param.fileExists ? "_Existing" : "_New");
    });

TEST_F(WriteReportFileIdentity, RootSavingAnotherUsersFileKeepsOwnerGroupAndMode) {
  SKIP_UNLESS_ROOT();
  const std::string path = Path("theirs.txt");
  Write(path, "old\r\n");
  ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(path.c_str(), 02640), 0);

  ASSERT_EQ(WriteReportFile(path, "new\r\n", WriteMode::Replace), std::nullopt);
  const struct stat after = Status(path);
  EXPECT_EQ(after.st_uid, kNobody);
  EXPECT_EQ(after.st_gid, kNobody);
  EXPECT_EQ(after.st_mode & 07777, 02640u);
  EXPECT_EQ(Read(path), "new\r\n");
  EXPECT_EQ(EntriesInDir(), 1u);
}

// In a shared folder a user may write another user's open file but could
// not hand a new copy back to its owner, so it is overwritten in place.
TEST_F(WriteReportFileIdentity, UserSavingAnotherUsersWritableFileKeepsItsOwner) {
  SKIP_UNLESS_ROOT();
  const std::string path = Path("shared.txt");
  Write(path, "old content\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 01777), 0);

  const UnprivilegedWrite write = WriteAsUnprivilegedUser(path, "new\r\n", WriteMode::Replace);
  SKIP_UNLESS_RAN(write);
  EXPECT_EQ(write.failure, std::nullopt);
  EXPECT_EQ(Status(path).st_uid, 0u);
  EXPECT_EQ(Status(path).st_mode & 07777, 0666u);
  EXPECT_EQ(Read(path), "new\r\n");
  EXPECT_EQ(EntriesInDir(), 1u);
}

class NewFileMode : public WriterFolderTest,
                    public testing::WithParamInterface<std::tuple<mode_t, WriteMode>> {};

// A new report file gets what any new file gets: 0666 less the umask.
TEST_P(NewFileMode, IsReadWriteForAllLessTheUmask) {
  const auto& [mask, mode] = GetParam();
  const mode_t saved = ::umask(mask);
  const auto failure = WriteReportFile(Path("new.txt"), "x", mode);
  ::umask(saved);
  ASSERT_EQ(failure, std::nullopt);
  EXPECT_EQ(Status(Path("new.txt")).st_mode & 07777, 0666u & ~mask);
}

INSTANTIATE_TEST_SUITE_P(Umasks, NewFileMode,
                         testing::Combine(testing::Values(022, 077, 0, 027),
                                          testing::Values(WriteMode::Replace, WriteMode::Append)),
                         [](const auto& info) {
                           const mode_t mask = std::get<0>(info.param);
                           return "Umask0" + std::to_string(mask >> 6) +
                                  std::to_string((mask >> 3) & 7) + std::to_string(mask & 7) + "_" +
                                  ModeName(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace sw
