#!/bin/sh
# Runs a Windows program under Wine, headless and quiet: the emulator of the
# windows preset (CMAKE_CROSSCOMPILING_EMULATOR) and of the Windows
# cross-check. The Wine prefix is made on first use (SUMWRIGHT_WINEPREFIX,
# default /tmp/sumwright-wine-UID); its server lingers between programs, as
# the tests start a great many of them.
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -eu

WINEPREFIX=${SUMWRIGHT_WINEPREFIX:-/tmp/sumwright-wine-$(id -u)}
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
unset DISPLAY WAYLAND_DISPLAY

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
# The first program of a new server starts Wine's own background programs
# (and makes the prefix if it is missing), which live as long as the server.
# A program of no output starts them here, apart from the caller's output: a
# caller that reads that output to its end (ctest listing a program's tests)
# would otherwise wait for them. The lock lets one run at a time start it.
(
  flock 9
  if "$wineserver" -p60 >/dev/null 2>&1 </dev/null 9>&-; then
    "$wine" cmd /c exit >/dev/null 2>&1 </dev/null 9>&-
  fi
) 9>"$WINEPREFIX.lock"
exec "$wine" "$@"
