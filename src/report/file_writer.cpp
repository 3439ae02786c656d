#include "report/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace sw {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { close(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closing can report a deferred write error, so it is checked where it matters.
  bool close() {
    if (fd_ < 0) return true;
    const bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

std::string SystemReason() { return std::strerror(errno); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Where a symbolic link points, the file it names is replaced, not the link.
std::string ResolvedTarget(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved{::realpath(path.c_str(), nullptr),
                                                             &std::free};
  return resolved ? std::string{resolved.get()} : path;
}

mode_t NewFileMode(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::optional<std::string> Replace(const std::string& path, std::string_view bytes) {
  const std::string target = ResolvedTarget(path);
  std::string temporary = target + ".XXXXXX";
  FileDescriptor fd{::mkstemp(temporary.data())};
  if (!fd.valid()) return SystemReason();
  if (::fchmod(fd.get(), NewFileMode(target)) != 0 || !WriteAll(fd.get(), bytes) ||
      ::fsync(fd.get()) != 0 || !fd.close() || ::rename(temporary.c_str(), target.c_str()) != 0) {
    const std::string reason = SystemReason();
    ::unlink(temporary.c_str());
    return reason;
  }
  return std::nullopt;
}

std::optional<std::string> Append(const std::string& path, std::string_view bytes) {
  const bool existed = ::access(path.c_str(), F_OK) == 0;
  FileDescriptor fd{::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666)};
  if (!fd.valid()) return SystemReason();
  struct stat before {};
  if (::fstat(fd.get(), &before) != 0) return SystemReason();
  if (WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close()) return std::nullopt;

  const std::string reason = SystemReason();
  fd.close();
  if (existed) {
    static_cast<void>(::truncate(path.c_str(), before.st_size));
  } else {
    ::unlink(path.c_str());
  }
  return reason;
}

}  // namespace

std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode) {
  return mode == WriteMode::Replace ? Replace(path, bytes) : Append(path, bytes);
}

}  // namespace sw
