#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "system/standard_output.h"

namespace sw {

std::optional<std::string> WriteStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return std::strerror(written == 0 ? ENOSPC : errno);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

}  // namespace sw
