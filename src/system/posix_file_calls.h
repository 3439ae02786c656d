#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>

#include "system/file_writer.h"

namespace sw {

// The system calls through which the written bytes reach the disk. Tests
// substitute them to watch their order or to make one of them fail.
struct FileCalls {
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;
};

FileCalls SystemFileCalls();

// WriteReportFile through `calls`.
std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode, const FileCalls& calls);

}  // namespace sw
