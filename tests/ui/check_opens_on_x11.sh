#!/bin/sh
# On a Wayland desktop with no platform chosen, the calculator opens its
# window on the X server without trying Wayland first. Run it under
# with_window_manager.sh. Usage: check_opens_on_x11.sh PROGRAM
set -u
unset QT_QPA_PLATFORM
XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE WAYLAND_DISPLAY=wayland-sumwright-absent "$1" &
program=$!
trap 'kill "$program" 2>/dev/null; wait' EXIT

# A minute: the window is up within two seconds on a slow, busy machine.
tries=0
until xwininfo -root -tree | grep -q '"Sumwright Calculator"'; do
  tries=$((tries + 1))
  if [ "$tries" -ge 600 ]; then
    echo "no calculator window on the X server"
    exit 1
  fi
  sleep 0.1
done
echo "the calculator window opened on the X server"
