#include <QDir>

#include "report_file_checks.h"

namespace sw::ui::test {

qsizetype OpenHandles() {
  return QDir("/proc/self/fd")
      .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
      .size();
}

const QString kFolderIsAFileReason = "Not a directory";

}  // namespace sw::ui::test
