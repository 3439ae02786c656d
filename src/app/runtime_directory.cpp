#include "runtime_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace sw::app {

RuntimeDirectory::RuntimeDirectory() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const passwd* user = getpwuid(geteuid());
  if (user == nullptr) return;
  const QString directory = QDir::tempPath() + "/runtime-" + QFile::decodeName(user->pw_name);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory));
  if (!QFileInfo::exists(directory)) created_ = directory;
}

RuntimeDirectory::~RuntimeDirectory() { removeIfUnused(); }

// rmdir removes only an empty directory: whatever another program has put
// there in the meantime keeps it.
void RuntimeDirectory::removeIfUnused() const {
  if (!created_.isEmpty()) rmdir(QFile::encodeName(created_).constData());
}

}  // namespace sw::app
