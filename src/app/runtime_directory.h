#pragma once

namespace sw::app {

// Without a login session (root on a console, a container) XDG_RUNTIME_DIR is
// not set; Qt then falls back to <temp>/runtime-<user> by itself and prints a
// note about it that tells the user nothing. Naming that same directory
// beforehand keeps Qt's checks on it (created 0700, owned by the user) and
// drops the note. A runtime directory that is set is left alone.
void NameRuntimeDirectoryWhenUnset();

}  // namespace sw::app
