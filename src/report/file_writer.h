#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw {

enum class WriteMode { Replace, Append };

// Replace swaps in a fully written copy, so a failed write leaves the old
// file whole; Append that fails midway cuts the file back to its old size.
// Returns the system's reason on failure, nothing on success.
std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode);

}  // namespace sw
