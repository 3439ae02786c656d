#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "cli_process.h"

namespace sw::cli_test {
namespace {

std::wstring Wide(std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

// Quotes one argument so that the program's command-line parser reads it
// back unchanged: backslashes double only before a quote.
std::wstring Quoted(const std::wstring& arg) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L'"';
}

std::wstring_view NameOf(std::wstring_view assignment) {
  return assignment.substr(0, assignment.find(L'='));
}

// The test's environment block with the given assignments in place of the
// variables they name.
std::wstring ChildEnvironment(const std::vector<std::string>& assignments) {
  std::vector<std::wstring> replacements;
  for (const std::string& a : assignments) replacements.push_back(Wide(a));
  std::wstring block;
  wchar_t* const inherited = GetEnvironmentStringsW();
  for (const wchar_t* entry = inherited; *entry != L'\0'; entry += wcslen(entry) + 1) {
    const std::wstring_view e(entry);
    const bool replaced = std::ranges::any_of(
        replacements, [e](const std::wstring& r) { return NameOf(r) == NameOf(e); });
    if (!replaced) block.append(e).push_back(L'\0');
  }
  FreeEnvironmentStringsW(inherited);
  for (const std::wstring& r : replacements) block.append(r).push_back(L'\0');
  return block + L'\0';
}

class Pipe {
 public:
  Pipe() {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&read_, &write_, &inherited, 0)) throw std::runtime_error("pipe failed");
    SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);  // the child keeps only its end
  }
  ~Pipe() {
    CloseHandle(read_);
    closeWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  HANDLE write() const { return write_; }
  void closeWrite() {
    if (write_ != nullptr) CloseHandle(write_);
    write_ = nullptr;
  }
  // Reads until the child's end is closed.
  std::string readAll() const {
    std::string text;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(read_, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    return text;
  }

 private:
  HANDLE read_ = nullptr;
  HANDLE write_ = nullptr;
};

CliResult Run(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
  std::wstring commandLine = Quoted(Wide(SUMWRIGHT_CLI_PATH));
  for (const std::string& arg : args) commandLine += L' ' + Quoted(Wide(arg));
  std::wstring envBlock = ChildEnvironment(environment);

  Pipe out;
  Pipe err;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out.write();
  startup.hStdError = err.write();
  PROCESS_INFORMATION process{};
  // Under Wine on a busy machine a start now and then fails at once, and the
  // next one succeeds; the program never ran, so starting it again is safe.
  constexpr int kStarts = 5;
  for (int start = 1;
       !CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, envBlock.data(), nullptr, &startup, &process);
       ++start) {
    if (start == kStarts) {
      throw std::runtime_error("cannot start " SUMWRIGHT_CLI_PATH ": Windows error " +
                               std::to_string(GetLastError()));
    }
    Sleep(100);
  }
  out.closeWrite();
  err.closeWrite();

  // Both pipes are read together so that a child filling one never blocks.
  CliResult result{{}, {}, -1};
  std::thread errReader([&] { result.err = err.readAll(); });
  result.out = out.readAll();
  errReader.join();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) result.exitCode = static_cast<int>(code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit) {
  if (fileSizeLimit) throw std::logic_error("Windows has no file-size limit");
  return Run(args, {});
}

CliResult RunCliWith(const std::vector<std::string>& environment,
                     const std::vector<std::string>& args) {
  return Run(args, environment);
}

}  // namespace sw::cli_test
