#include <windows.h>

#include <algorithm>
#include <utility>

#include "system/file_writer.h"
#include "system/twin_suffix.h"
#include "system/windows_failure.h"
#include "system/windows_text.h"

namespace sw {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(FileHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~FileHandle() { close(); }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closing can report a deferred write error, so it is checked where it matters.
  bool close() {
    if (!valid()) return true;
    const bool ok = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
};

std::string SystemReason() { return WindowsReason(GetLastError()); }

FileHandle Open(const std::wstring& path, DWORD disposition) {
  return FileHandle{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
}

// Writes every byte and flushes them to the disk.
bool WriteAndFlush(HANDLE file, std::string_view bytes) {
  constexpr std::size_t kLargestWrite = 1u << 30;
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
    if (!WriteFile(file, bytes.data(), size, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return FlushFileBuffers(file) != 0;
}

// A new file beside the target, named like it with a random suffix.
FileHandle CreateTwin(const std::wstring& target, std::wstring& twin) {
  for (int attempt = 0; attempt < kTwinAttempts; ++attempt) {
    const std::string suffix = TwinSuffix();
    twin = target + std::wstring(suffix.begin(), suffix.end());
    FileHandle file = Open(twin, CREATE_NEW);
    if (file.valid() || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return FileHandle{INVALID_HANDLE_VALUE};
}

// The attributes a replaced file keeps. A read-only file cannot be replaced,
// so it is made writable for the swap and read-only again after it.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::optional<std::string> SwapIn(const std::wstring& twin, const std::wstring& target,
                                  std::optional<DWORD> old) {
  const bool readOnly = old && (*old & FILE_ATTRIBUTE_READONLY);
  if (readOnly) SetFileAttributesW(target.c_str(), *old & ~FILE_ATTRIBUTE_READONLY);
  if (!MoveFileExW(twin.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::string reason = SystemReason();
    DeleteFileW(twin.c_str());
    if (readOnly) SetFileAttributesW(target.c_str(), *old);
    return reason;
  }
  if (old) {
    const DWORD kept = *old & kKeptAttributes;
    SetFileAttributesW(target.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
  }
  return std::nullopt;
}

// For a file in a folder this process may not create files in.
std::optional<std::string> OverwriteInPlace(const std::wstring& target, std::string_view bytes) {
  FileHandle file = Open(target, TRUNCATE_EXISTING);
  if (!file.valid() || !WriteAndFlush(file.get(), bytes) || !file.close()) return SystemReason();
  return std::nullopt;
}

// Writes a fully flushed copy beside the file and moves it over the file,
// so that a failed write leaves the old file whole.
std::optional<std::string> Replace(const std::wstring& target, std::string_view bytes) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const std::optional<DWORD> old =
      attributes == INVALID_FILE_ATTRIBUTES ? std::nullopt : std::optional(attributes);
  if (old && (*old & FILE_ATTRIBUTE_DIRECTORY)) return "Is a directory";
  std::wstring twin;
  FileHandle file = CreateTwin(target, twin);
  if (!file.valid()) {
    if (old && GetLastError() == ERROR_ACCESS_DENIED) return OverwriteInPlace(target, bytes);
    return SystemReason();
  }
  if (!WriteAndFlush(file.get(), bytes) || !file.close()) {
    const std::string reason = SystemReason();
    file.close();
    DeleteFileW(twin.c_str());
    return reason;
  }
  return SwapIn(twin, target, old);
}

// An append that fails cuts the file back to its old size, or removes it if
// it created it.
std::optional<std::string> Append(const std::wstring& target, std::string_view bytes) {
  FileHandle file = Open(target, OPEN_EXISTING);
  const bool created = !file.valid() && GetLastError() == ERROR_FILE_NOT_FOUND;
  if (created) file = Open(target, CREATE_NEW);
  LARGE_INTEGER before{};
  if (!file.valid() || !SetFilePointerEx(file.get(), {}, &before, FILE_END)) return SystemReason();
  if (WriteAndFlush(file.get(), bytes) && file.close()) return std::nullopt;

  const std::string reason = SystemReason();
  if (!created && SetFilePointerEx(file.get(), before, nullptr, FILE_BEGIN)) {
    SetEndOfFile(file.get());
  }
  file.close();
  if (created) DeleteFileW(target.c_str());
  return reason;
}

}  // namespace

bool NamesNoFile(std::string_view path) {
  const bool driveAlone = path.size() == 2 && path[1] == ':';
  return path.empty() || path.ends_with('/') || path.ends_with('\\') || driveAlone;
}

std::optional<std::string> WriteReportFile(const std::string& path, std::string_view bytes,
                                           WriteMode mode) {
  const std::optional<std::wstring> target = WideFromUtf8(path);
  if (!target) return WindowsReason(ERROR_NO_UNICODE_TRANSLATION);
  if (IsRefusedFileName(*target)) return WindowsReason(ERROR_INVALID_NAME);
  return mode == WriteMode::Replace ? Replace(*target, bytes) : Append(*target, bytes);
}

}  // namespace sw
