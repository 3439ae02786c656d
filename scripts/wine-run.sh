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

# Wine turns Windows file names into Unix bytes through the character set of
# LC_CTYPE: without UTF-8 (none set, C, or a locale this machine lacks) a name
# outside ASCII cannot be made. Only that category changes; the caller's
# others (numbers, messages) stay as they were.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  if [ -n "${LC_ALL:-}" ]; then
    # LC_ALL held every category: LANG holds them now, below LC_CTYPE.
    unset LC_COLLATE LC_MONETARY LC_NUMERIC LC_TIME LC_MESSAGES LC_PAPER LC_NAME \
      LC_ADDRESS LC_TELEPHONE LC_MEASUREMENT LC_IDENTIFICATION
    export LANG="$LC_ALL"
    unset LC_ALL
  fi
  export LC_CTYPE=C.UTF-8
fi

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
