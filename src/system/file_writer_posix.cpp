#include "system/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "system/posix_file_calls.h"
#include "system/twin_suffix.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

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

bool WriteAll(const FileCalls& calls, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = calls.write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Pipes and terminals hold nothing to sync and refuse fsync.
bool SyncData(const FileCalls& calls, int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  return !S_ISREG(st.st_mode) || calls.fsync(fd) == 0;
}

// Makes a rename in the folder last. A folder that cannot be opened for
// reading cannot be synced; its entries are then left to the system.
bool SyncFolder(const FileCalls& calls, const std::string& folder) {
  FileDescriptor fd{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  return !fd.valid() || calls.fsync(fd.get()) == 0;
}

// Follows symbolic links in the last part of the name, also to a file that
// does not exist yet, so that writing changes the file a link names.
std::string LinkTarget(std::string path) {
  constexpr int kMaxLinks = 40;
  for (int followed = 0; followed < kMaxLinks; ++followed) {
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
    if (length < 0) break;
    link.resize(static_cast<std::size_t>(length));
    path = link.starts_with('/') ? link : (fs::path(path).parent_path() / link).string();
  }
  return path;
}

std::string FolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

// A new file beside the target, named like it with a random suffix and
// created with mode 0666 less the umask, as any new file would be.
int CreateTwin(const std::string& target, std::string& twin) {
  for (int attempt = 0; attempt < kTwinAttempts; ++attempt) {
    twin = target + TwinSuffix();
    const int fd = ::open(twin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the new file the old one's owner, group and mode. Owner and group
// first: changing them may clear the set-user-ID and set-group-ID bits.
bool TakeOverIdentity(int fd, const struct stat& old) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    return false;
  }
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// A copy swapped in for a file is a different file: it suits a plain file
// with no other names in a folder this process may write.
bool CopyCanStandIn(const std::string& target, const struct stat* old) {
  if (old != nullptr && (!S_ISREG(old->st_mode) || old->st_nlink != 1)) return false;
  if (fs::path(target).filename().string().size() + kTwinSuffixLength > NAME_MAX) return false;
  return ::faccessat(AT_FDCWD, FolderOf(target).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

struct SwapOutcome {
  bool swapped;  // false: nothing was written, the file must be overwritten in place
  std::optional<std::string> failure;
};

SwapOutcome SwapInCopy(const std::string& target, const struct stat* old, std::string_view bytes,
                       const FileCalls& calls) {
  std::string twin;
  FileDescriptor fd{CreateTwin(target, twin)};
  if (!fd.valid()) return {true, SystemReason()};
  if (old != nullptr && !TakeOverIdentity(fd.get(), *old)) {
    const bool notPermitted = errno == EPERM;
    const std::string reason = SystemReason();
    ::unlink(twin.c_str());
    return {!notPermitted, reason};
  }
  if (!WriteAll(calls, fd.get(), bytes) || calls.fsync(fd.get()) != 0 || !fd.close() ||
      calls.rename(twin.c_str(), target.c_str()) != 0) {
    const std::string reason = SystemReason();
    ::unlink(twin.c_str());
    return {true, reason};
  }
  if (!SyncFolder(calls, FolderOf(target))) return {true, SystemReason()};
  return {true, std::nullopt};
}

std::optional<std::string> OverwriteInPlace(const std::string& target, std::string_view bytes,
                                            const FileCalls& calls) {
  FileDescriptor fd{::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
  if (!fd.valid() || !WriteAll(calls, fd.get(), bytes) || !SyncData(calls, fd.get()) ||
      !fd.close()) {
    return SystemReason();
  }
  return std::nullopt;
}

std::optional<std::string> Replace(const std::string& path, std::string_view bytes,
                                   const FileCalls& calls) {
  const std::string target = LinkTarget(path);
  struct stat existing {};
  const struct stat* old = ::stat(target.c_str(), &existing) == 0 ? &existing : nullptr;
  if (CopyCanStandIn(target, old)) {
    const SwapOutcome outcome = SwapInCopy(target, old, bytes, calls);
    if (outcome.swapped) return outcome.failure;
  }
  return OverwriteInPlace(target, bytes, calls);
}

// Opens for appending; `created` tells whether this call made the file.
int OpenForAppend(const std::string& target, bool& created) {
  created = false;
  const int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd >= 0 || errno != ENOENT) return fd;
  created = true;
  return ::open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

std::optional<std::string> Append(const std::string& path, std::string_view bytes,
                                  const FileCalls& calls) {
  const std::string target = LinkTarget(path);
  bool created = false;
  FileDescriptor fd{OpenForAppend(target, created)};
  if (!fd.valid()) return SystemReason();
  struct stat before {};
  if (::fstat(fd.get(), &before) != 0) return SystemReason();
  if (WriteAll(calls, fd.get(), bytes) && SyncData(calls, fd.get()) && fd.close()) {
    return std::nullopt;
  }

  const std::string reason = SystemReason();
  fd.close();
  if (created) {
    ::unlink(target.c_str());
  } else {
    static_cast<void>(::truncate(target.c_str(), before.st_size));
  }
  return reason;
}

}  // namespace

FileCalls SystemFileCalls() { return {::write, ::fsync, ::rename}; }

std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode, const FileCalls& calls) {
  return mode == WriteMode::Replace ? Replace(path, bytes, calls) : Append(path, bytes, calls);
}

std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode) {
  return WriteReportFile(path, bytes, mode, SystemFileCalls());
}

bool NamesNoFile(std::string_view path) { return path.empty() || path.ends_with('/'); }

}  // namespace sw
