#include <windows.h>

#include "report_file_checks.h"

namespace sw::ui::test {

qsizetype OpenHandles() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return static_cast<qsizetype>(count);
}

// Windows tells a missing folder and a file in its place apart no further.
const QString kFolderIsAFileReason = "No such file or directory";

}  // namespace sw::ui::test
