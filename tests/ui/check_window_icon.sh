#!/bin/sh
# The calculator window carries the umbrella at the four sizes the window
# system takes, though it is given only once the window is on screen. Run it
# under with_window_manager.sh. Usage: check_window_icon.sh PROGRAM
set -u
unset QT_QPA_PLATFORM
"$1" &
program=$!
trap 'kill "$program" 2>/dev/null; wait' EXIT

expected="Icon (16 x 16) Icon (32 x 32) Icon (64 x 64) Icon (128 x 128) "
sizes=
# A minute: the window is up within two seconds on a slow, busy machine.
tries=0
while [ "$tries" -lt 600 ]; do
  window=$(xwininfo -root -tree | awk '/"Sumwright Calculator"/ { print $1; exit }')
  if [ -n "$window" ]; then
    sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    if [ "$sizes" = "$expected" ]; then
      echo "window icon: $sizes"
      exit 0
    fi
  fi
  tries=$((tries + 1))
  sleep 0.1
done
echo "window icon sizes: ${sizes:-none}, expected: $expected"
exit 1
