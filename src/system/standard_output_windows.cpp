#include <windows.h>

#include <algorithm>

#include "system/standard_output.h"
#include "system/windows_failure.h"

namespace sw {

std::optional<std::string> WriteStandardOutput(std::string_view bytes) {
  constexpr std::size_t kLargestWrite = 1u << 30;
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
    if (!WriteFile(output, bytes.data(), size, &written, nullptr)) {
      return WindowsReason(GetLastError());
    }
    if (written == 0) return WindowsReason(ERROR_DISK_FULL);
    bytes.remove_prefix(written);
  }
  return std::nullopt;
}

}  // namespace sw
