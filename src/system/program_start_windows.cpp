// shellapi.h needs the types of windows.h, so that comes first.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "system/program_start.h"
#include "system/windows_text.h"

namespace sw {

std::vector<std::string> StartProgram(int /*argc*/, char** /*argv*/) {
  // Text mode would write each "\n" as CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // The console's code page belongs to the window the user keeps after
  // the program ends, so it is given back.
  static const UINT consolePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  std::atexit([] { SetConsoleOutputCP(consolePage); });

  int count = 0;
  wchar_t** const wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {};
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace sw
