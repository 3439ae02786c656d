#!/bin/sh
# Runs a command on a virtual 1280 x 1024 X display of its own, managed by
# openbox, with a private runtime folder; stops both and removes the folder
# afterwards. Exits 77 (skipped) when a tool it needs is missing.
set -u

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (packages xvfb, openbox, x11-utils)"
    exit 77
  fi
done

work=$(mktemp -d)
server=
manager=
cleanup() {
  [ -n "$manager" ] && kill "$manager" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to a minute for a condition: well beyond the second that Xvfb and
# openbox take on a slow machine whose cores are all busy.
await() {
  tries=0
  until "$@"; do
    tries=$((tries + 1))
    if [ "$tries" -ge 600 ]; then return 1; fi
    sleep 0.1
  done
}

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
if ! await test -s "$work/display"; then
  echo "the virtual display did not start:"
  cat "$work/xvfb.log"
  exit 1
fi
DISPLAY=":$(cat "$work/display")"
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if ! await managed; then
  echo "openbox did not start:"
  cat "$work/openbox.log"
  exit 1
fi

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$@"
