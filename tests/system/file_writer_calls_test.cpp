#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "system/posix_file_calls.h"
#include "writer_folder.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// The writer's system calls in the order made, with what each one saw; the
// call named `failing` fails with `failure` instead of running.
class CallRecorder {
 public:
  explicit CallRecorder(std::string failing = "", int failure = EIO)
      : failing_(std::move(failing)), failure_(failure) {}

  FileCalls calls() {
    const FileCalls system = SystemFileCalls();
    return {[this, system](int fd, const void* data, std::size_t size) -> ssize_t {
              if (fails("write")) return -1;
              const ssize_t written = system.write(fd, data, size);
              events_.push_back("write " + std::to_string(written));
              return written;
            },
            [this, system](int fd) {
              if (fails("fsync")) return -1;
              struct stat st {};
              ::fstat(fd, &st);
              events_.push_back(S_ISDIR(st.st_mode)
                                    ? std::string("fsync folder")
                                    : "fsync file of " + std::to_string(st.st_size) + " bytes");
              return system.fsync(fd);
            },
            [this, system](const char* from, const char* to) {
              if (fails("rename")) return -1;
              events_.push_back("rename " + fs::path(from).filename().string().substr(0, 6) +
                                " to " + fs::path(to).filename().string());
              return system.rename(from, to);
            }};
  }
  const std::vector<std::string>& events() const { return events_; }

 private:
  bool fails(const std::string& call) {
    if (call != failing_) return false;
    events_.push_back(call + " failed");
    errno = failure_;
    return true;
  }

  std::string failing_;
  int failure_;
  std::vector<std::string> events_;
};

enum class Existing { None, File, HardLinkedFile };

struct FileSetup {
  WriteMode mode;
  Existing existing;
};

std::string Describe(const FileSetup& setup) {
  static const char* const kExisting[] = {"NewFile", "File", "HardLinkedFile"};
  return std::string(setup.mode == WriteMode::Replace ? "Replace" : "Append") + "_" +
         kExisting[static_cast<int>(setup.existing)];
}

class WriterCallsTest : public WriterFolderTest {
 protected:
  static constexpr const char* kOld = "old\r\n";
  static constexpr const char* kNew = "new\r\n";

  std::optional<std::string> WriteWith(const FileSetup& setup, CallRecorder& recorder) {
    if (setup.existing != Existing::None) Write(Path("a.txt"), kOld);
    if (setup.existing == Existing::HardLinkedFile) {
      fs::create_hard_link(Path("a.txt"), Path("b.txt"));
    }
    return WriteReportFile(Path("a.txt"), kNew, setup.mode, recorder.calls());
  }
  std::size_t EntriesBefore(const FileSetup& setup) const {
    return setup.existing == Existing::None ? 0u : setup.existing == Existing::File ? 1u : 2u;
  }
};

struct OrderCase {
  FileSetup setup;
  std::vector<std::string> events;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << Describe(c.setup); }

class CallOrder : public WriterCallsTest, public testing::WithParamInterface<OrderCase> {};

// The data is on the disk before the copy takes the file's name, and before
// success is reported.
TEST_P(CallOrder, SyncsTheDataBeforeItCounts) {
  CallRecorder recorder;
  ASSERT_EQ(WriteWith(GetParam().setup, recorder), std::nullopt);
  EXPECT_EQ(recorder.events(), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CallOrder,
    testing::Values(
        OrderCase{{WriteMode::Replace, Existing::File},
                  {"write 5", "fsync file of 5 bytes", "rename a.txt. to a.txt", "fsync folder"}},
        OrderCase{{WriteMode::Replace, Existing::None},
                  {"write 5", "fsync file of 5 bytes", "rename a.txt. to a.txt", "fsync folder"}},
        OrderCase{{WriteMode::Replace, Existing::HardLinkedFile},
                  {"write 5", "fsync file of 5 bytes"}},
        OrderCase{{WriteMode::Append, Existing::File}, {"write 5", "fsync file of 10 bytes"}},
        OrderCase{{WriteMode::Append, Existing::None}, {"write 5", "fsync file of 5 bytes"}}),
    [](const auto& info) { return Describe(info.param.setup); });

// The copy is named after the file with "." and six letters or digits. Over
// many names every one of the 62 turns up: a character lost from, or added
// to, the alphabet shows.
TEST_F(WriterCallsTest, CopiesAreNamedWithSixLettersOrDigits) {
  std::set<std::string> names;
  FileCalls calls = SystemFileCalls();
  calls.fsync = [](int) { return 0; };
  calls.rename = [&names, rename = calls.rename](const char* from, const char* to) {
    names.insert(fs::path(from).filename().string());
    return rename(from, to);
  };
  for (int i = 0; i < 300; ++i) {
    ASSERT_EQ(WriteReportFile(Path("a.txt"), kNew, WriteMode::Replace, calls), std::nullopt);
  }
  std::set<char> seen;
  for (const std::string& name : names) {
    EXPECT_EQ(name.size(), 12u) << name;
    EXPECT_TRUE(name.starts_with("a.txt.")) << name;
    seen.insert(name.begin() + std::min<std::size_t>(6, name.size()), name.end());
  }
  EXPECT_EQ(names.size(), 300u);
  EXPECT_EQ(std::string(seen.begin(), seen.end()),
            "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

struct FailureCase {
  FileSetup setup;
  std::string failing;
  std::string content;  // what the file holds afterwards; "" also for no file
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << Describe(c.setup) << " with " << c.failing << " failing";
}

class InjectedFailure : public WriterCallsTest, public testing::WithParamInterface<FailureCase> {};

// A failed call is reported and rolled back: the old file stays whole, a
// cut-short append is cut back, and nothing new is left in the folder.
TEST_P(InjectedFailure, IsReportedAndLeavesTheFileAsItWas) {
  CallRecorder recorder(GetParam().failing);
  EXPECT_EQ(WriteWith(GetParam().setup, recorder), "Input/output error");
  EXPECT_EQ(Read(Path("a.txt")), GetParam().content);
  EXPECT_EQ(fs::exists(Path("a.txt")), GetParam().setup.existing != Existing::None);
  EXPECT_EQ(EntriesInDir(), EntriesBefore(GetParam().setup));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, InjectedFailure,
    testing::Values(FailureCase{{WriteMode::Replace, Existing::File}, "write", "old\r\n"},
                    FailureCase{{WriteMode::Replace, Existing::File}, "fsync", "old\r\n"},
                    FailureCase{{WriteMode::Replace, Existing::File}, "rename", "old\r\n"},
                    FailureCase{{WriteMode::Replace, Existing::None}, "fsync", ""},
                    // Overwritten in place, so only the failure can be told.
                    FailureCase{{WriteMode::Replace, Existing::HardLinkedFile}, "fsync", "new\r\n"},
                    FailureCase{{WriteMode::Append, Existing::File}, "write", "old\r\n"},
                    FailureCase{{WriteMode::Append, Existing::File}, "fsync", "old\r\n"},
                    FailureCase{{WriteMode::Append, Existing::None}, "fsync", ""}),
    [](const auto& info) { return Describe(info.param.setup) + "_" + info.param.failing; });

}  // namespace
}  // namespace sw
