#!/bin/sh
# Runs a Windows program under Wine, quiet: the emulator of the Windows
# presets (CMAKE_CROSSCOMPILING_EMULATOR) and of the Windows cross-check.
# The Wine prefix is made on first use (SUMWRIGHT_WINEPREFIX, default
# /tmp/sumwright-wine-UID) and gets Wine's own fonts (package fonts-wine) in
# its Fonts folder, where Windows keeps "MS Sans Serif" and Tahoma.
#
# Headless by default; its server lingers between programs, as the tests
# start a great many of them. With --display the program's windows go to the
# X display named by DISPLAY, in a prefix of that display's own (Wine's
# desktop belongs to one display), whose server ends with the program.
# Usage: scripts/wine-run.sh [--display] PROGRAM.exe [ARGUMENTS...]
set -eu

base=${SUMWRIGHT_WINEPREFIX:-/tmp/sumwright-wine-$(id -u)}
if [ "${1:-}" = --display ]; then
  shift
  WINEPREFIX=$base-display${DISPLAY#*:}
  on_display=1
else
  WINEPREFIX=$base
  on_display=0
  unset DISPLAY WAYLAND_DISPLAY
fi
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG

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

# Wine keeps QT_ variables, meant for the Linux toolkit, from Windows
# programs; given as WINEQT_ they reach the program as QT_ (QT_QPA_PLATFORM,
# the scale factor). Names are letters, digits and "_", so eval is safe.
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  eval "export WINE$variable=\"\$$variable\""
done

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
fonts=/usr/share/wine/fonts
# The first program of a new server starts Wine's own background programs
# (and makes the prefix if it is missing), which live as long as the server.
# A program of no output starts them here, apart from the caller's output: a
# caller that reads that output to its end (ctest listing a program's tests)
# would otherwise wait for them. The lock lets one run at a time start it.
(
  flock 9
  if [ "$on_display" -eq 1 ]; then
    "$wineserver" -k >/dev/null 2>&1 </dev/null 9>&- || true
  fi
  made=0
  [ -e "$WINEPREFIX/system.reg" ] || made=1
  # In place before the prefix is made, so that its first font scan has them.
  folder=$WINEPREFIX/drive_c/windows/Fonts
  if [ -d "$fonts" ] && [ ! -e "$folder/tahoma.ttf" ]; then
    mkdir -p "$folder"
    ln -sf "$fonts"/* "$folder/"
  fi
  # A failure here is the program's to report, below.
  if "$wineserver" -p60 >/dev/null 2>&1 </dev/null 9>&-; then
    "$wine" cmd /c exit >/dev/null 2>&1 </dev/null 9>&- || true
  fi
  # Wine draws the frames of a display prefix's windows itself, as Windows
  # does, rather than leaving them to the X window manager.
  if [ "$made" -eq 1 ] && [ "$on_display" -eq 1 ]; then
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
      >/dev/null 2>&1 </dev/null 9>&- || true
  fi
) 9>"$WINEPREFIX.lock"

if [ "$on_display" -eq 0 ]; then
  exec "$wine" "$@"
fi
status=0
"$wine" "$@" || status=$?
"$wineserver" -k >/dev/null 2>&1 || true
exit $status
