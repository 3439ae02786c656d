#!/bin/sh
# With only a Wayland compositor running (a headless weston of its own) and
# no platform chosen, the calculator falls back from X11 to Wayland without a
# word on stderr; told to use Wayland where no compositor answers, it says
# so in its own single line. Exits 77 (skipped) without weston.
# Usage: check_wayland.sh PROGRAM
set -u
if ! command -v weston >/dev/null 2>&1; then
  echo "skipped: weston is not installed (package weston)"
  exit 77
fi
program=$1
work=$(mktemp -d)
compositor=
cleanup() {
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
  wait
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --socket=sumwright-test >"$work/weston.log" 2>&1 &
compositor=$!
# A minute: weston starts within a second on a slow, busy machine.
tries=0
until [ -S "$XDG_RUNTIME_DIR/sumwright-test" ]; do
  tries=$((tries + 1))
  if [ "$tries" -ge 600 ]; then
    echo "weston did not start:"
    cat "$work/weston.log"
    exit 1
  fi
  sleep 0.1
done

failed=0
# Still running after three seconds: the window is up.
WAYLAND_DISPLAY=sumwright-test timeout 3 "$program" 2>"$work/fallback.err"
status=$?
if [ "$status" -ne 124 ] || [ -s "$work/fallback.err" ]; then
  echo "FAIL: falling back to Wayland: exit status $status (want 124, still running), stderr:"
  cat "$work/fallback.err"
  failed=1
fi

QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=sumwright-absent "$program" 2>"$work/absent.err"
status=$?
want="sumwright: cannot open the Wayland display (set WAYLAND_DISPLAY to a running Wayland compositor, or QT_QPA_PLATFORM=offscreen)"
if [ "$status" -ne 1 ] || [ "$(cat "$work/absent.err")" != "$want" ]; then
  echo "FAIL: Wayland chosen, no compositor: exit status $status (want 1), stderr:"
  cat "$work/absent.err"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: silent fallback to Wayland; one line for a missing compositor"
exit $failed
