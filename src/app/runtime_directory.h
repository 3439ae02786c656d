#pragma once

#include <QString>

namespace sw::app {

// Without a login session (root on a console, a container) XDG_RUNTIME_DIR is
// not set; Qt then falls back to <temp>/runtime-<user> by itself and prints a
// note about it that tells the user nothing. Naming that same directory
// beforehand keeps Qt's checks on it (created 0700, owned by the user) and
// drops the note. A runtime directory that is set is left alone.
//
// The program writes no files of its own, so a directory that did not exist
// before it was named here is removed again when this goes, if it is empty.
class RuntimeDirectory {
 public:
  RuntimeDirectory();
  ~RuntimeDirectory();
  RuntimeDirectory(const RuntimeDirectory&) = delete;
  RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

  // Removes the directory now if it is ours and empty, for an exit that
  // skips destructors.
  void removeIfUnused() const;

 private:
  // Empty unless the directory named here did not exist yet.
  QString created_;
};

}  // namespace sw::app
