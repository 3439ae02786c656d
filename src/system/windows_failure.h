#pragma once

#include <string>
#include <string_view>

namespace sw {

// The reason for a failed Windows file call, worded as the C library words
// the same failure on Linux ("No such file or directory", "Permission
// denied", "No space left on device"), so that messages read alike.
std::string WindowsReason(unsigned long error);

// Whether Windows refuses `path`'s last part as a file name: a device name
// (CON, NUL, CONIN$, COM1, COM¹, ... with any extension) or a character no file name may
// hold (":" names a stream, "<>\"|?*" and control characters are reserved).
bool IsRefusedFileName(std::wstring_view path);

}  // namespace sw
