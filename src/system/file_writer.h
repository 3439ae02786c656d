#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw {

enum class WriteMode { Replace, Append };

// Writes through symbolic links to the file they name (creating it when
// missing), so a link stays a link. Replace swaps in a fully written and
// synced copy that takes over the old file's owner, group and mode, so a
// failed write leaves the old file whole; where a copy cannot stand in for
// the file (it has other names, is not a plain file, the folder cannot be
// written, or its owner cannot be given back) the file is overwritten in
// place instead. Append that fails midway cuts the file back to its old
// size, or removes it if it created it. On Windows, Replace moves a flushed
// copy over the file, which keeps its attributes (read-only too); a name
// Windows keeps for devices or streams ("CON", "a:b") is refused. Returns
// the system's reason on failure, nothing on success.
std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode);

// Whether `path` has nothing where a file's name belongs: it is empty or
// ends in a folder separator ("/"; on Windows also "\\", or a drive alone
// such as "C:").
bool NamesNoFile(std::string_view path);

}  // namespace sw
