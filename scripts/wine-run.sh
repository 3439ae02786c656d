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
"$wineserver" -p60 2>/dev/null || true
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init >/dev/null 2>&1
exec "$wine" "$@"
