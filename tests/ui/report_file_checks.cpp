#include "report_file_checks.h"

#include <QDir>
#include <QFile>

namespace sw::ui::test {

QByteArray Record(QByteArray text) { return '"' + text.replace("\n", "\r\n") + "\"\r\n"; }

QByteArray Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList Entries(const QTemporaryDir& dir) {
  return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace sw::ui::test
