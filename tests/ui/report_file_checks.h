#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace sw::ui::test {

// A report file holds CR LF where the report window shows a line break.
QByteArray Record(QByteArray text);

// The file's bytes; empty when it cannot be read.
QByteArray Contents(const QString& path);
bool WriteBytes(const QString& path, const QByteArray& bytes);

// The folder's entries, hidden ones too.
QStringList Entries(const QTemporaryDir& dir);

// Files and other system objects the process holds open: a command must
// leave as many as it found.
qsizetype OpenHandles();

// The reason a save gives when a folder in the name is a file.
extern const QString kFolderIsAFileReason;

}  // namespace sw::ui::test
