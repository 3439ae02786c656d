#include "runtime_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace sw::app {

void NameRuntimeDirectoryWhenUnset() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const passwd* user = getpwuid(geteuid());
  if (user == nullptr) return;
  const QString directory = QDir::tempPath() + "/runtime-" + QFile::decodeName(user->pw_name);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory));
}

}  // namespace sw::app
