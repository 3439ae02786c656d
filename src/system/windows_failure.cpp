#include "system/windows_failure.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <utility>

namespace sw {
namespace {

constexpr std::array<std::pair<DWORD, const char*>, 21> kReasons{{
    {ERROR_FILE_NOT_FOUND, "No such file or directory"},
    {ERROR_PATH_NOT_FOUND, "No such file or directory"},
    {ERROR_INVALID_DRIVE, "No such file or directory"},
    {ERROR_BAD_NETPATH, "No such file or directory"},
    {ERROR_ACCESS_DENIED, "Permission denied"},
    {ERROR_SHARING_VIOLATION, "Permission denied"},
    {ERROR_LOCK_VIOLATION, "Permission denied"},
    {ERROR_WRITE_PROTECT, "Read-only file system"},
    {ERROR_DISK_FULL, "No space left on device"},
    {ERROR_HANDLE_DISK_FULL, "No space left on device"},
    {ERROR_FILE_TOO_LARGE, "File too large"},
    {ERROR_FILENAME_EXCED_RANGE, "File name too long"},
    {ERROR_INVALID_NAME, "Invalid argument"},
    {ERROR_BAD_PATHNAME, "Invalid argument"},
    {ERROR_DIRECTORY, "Invalid argument"},
    {ERROR_NO_UNICODE_TRANSLATION, "Invalid or incomplete multibyte or wide character"},
    {ERROR_FILE_EXISTS, "File exists"},
    {ERROR_ALREADY_EXISTS, "File exists"},
    {ERROR_INVALID_HANDLE, "Bad file descriptor"},
    {ERROR_BROKEN_PIPE, "Broken pipe"},
    {ERROR_NO_DATA, "Broken pipe"},
}};

constexpr std::array<std::wstring_view, 6> kDevices{L"CON", L"PRN",    L"AUX",
                                                    L"NUL", L"CONIN$", L"CONOUT$"};
constexpr std::array<std::wstring_view, 2> kNumberedDevices{L"COM", L"LPT"};

// Windows numbers ports 1 to 9, and also with superscript one, two and three.
bool IsPortNumber(wchar_t c) {
  return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

bool SameLetters(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towupper(x) == y; });
}

// Windows reads "con.txt" and "Con " as the console too, and "CONIN$.txt"
// as the console's input.
bool IsDeviceName(std::wstring_view name) {
  name = name.substr(0, name.find(L'.'));
  while (name.ends_with(L' ')) name.remove_suffix(1);
  if (std::ranges::any_of(kDevices, [name](auto device) { return SameLetters(name, device); })) {
    return true;
  }
  return name.size() == 4 && IsPortNumber(name[3]) &&
         std::ranges::any_of(kNumberedDevices, [name](auto device) {
           return SameLetters(name.substr(0, 3), device);
         });
}

}  // namespace

std::string WindowsReason(unsigned long error) {
  const auto known = std::ranges::find(kReasons, error, &std::pair<DWORD, const char*>::first);
  if (known != kReasons.end()) return known->second;
  return "Input/output error (Windows error " + std::to_string(error) + ")";
}

bool IsRefusedFileName(std::wstring_view path) {
  if (path.size() >= 2 && path[1] == L':') path.remove_prefix(2);  // the drive
  const std::wstring_view name = path.substr(path.find_last_of(L"\\/") + 1);
  const bool reservedCharacter = std::ranges::any_of(name, [](wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos;
  });
  return reservedCharacter || IsDeviceName(name);
}

}  // namespace sw
