#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

enum class WriteMode { Replace, Append };

// The system calls through which the written bytes reach the disk. Tests
// substitute them to watch their order or to make one of them fail.
struct FileCalls {
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;
};

FileCalls SystemFileCalls();

// Writes through symbolic links to the file they name (creating it when
// missing), so a link stays a link. Replace swaps in a fully written and
// synced copy that takes over the old file's owner, group and mode, so a
// failed write leaves the old file whole; where a copy cannot stand in for
// the file (it has other names, is not a plain file, the folder cannot be
// written, or its owner cannot be given back) the file is overwritten in
// place instead. Append that fails midway cuts the file back to its old
// size, or removes it if it created it. Returns the system's reason on
// failure, nothing on success.
std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode,
                                           const FileCalls& calls = SystemFileCalls());

// Over the file-size limit a write then fails with EFBIG, which the writer
// rolls back, instead of the system ending the program midway. Call once
// at start-up.
void IgnoreFileSizeSignal();

}  // namespace sw
