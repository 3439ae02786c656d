#!/usr/bin/env bash
# Prints, from one run on this machine, how far the calculator stands above
# what it is built on:
#   report path      the largest table from the menu choice to the painted
#                    text, over a bare text box given the same text
#   start-up         exec to the loan window mapped, over a minimal Qt window,
#                    on a bare X server and again with a session bus; and
#                    over a window with a menu bar and a line of text, to
#                    tell the toolkit's own cost of menus and text
#   resident memory  after start, over the same two windows
#   row formatting   the report text per row, over std::to_chars of the same
#                    four values at two decimals
# Each pair is measured side by side, interleaved, and compared by medians.
# Needs the bench preset built and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bench/bench}
app=${2:-build/bench/src/app/sumwright}

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

. bench/medians.sh

echo "== report path (headless), median of 9 repetitions of 5"
QT_QPA_PLATFORM=offscreen "$bin/report_window_benchmark" "${interleaved[@]}" 2>/dev/null \
  --benchmark_filter='BM_(RequestUntilPainted|ToolkitFloor)LargestTable' | tee "$work/report"

echo "== row formatting, median of 9 repetitions"
"$bin/core_benchmarks" "${interleaved[@]}" --benchmark_repetitions=9 \
  --benchmark_filter='BM_(ReportText|ToChars)PerRow' | tee "$work/rows"

echo "== start-up under Xvfb, no window manager"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")" "$bin/startup_benchmark" 9 "$app" "$bin/minimal_window" \
  "$bin/text_window" | tee "$work/startup"
# A desktop has a session bus. Without one, the D-Bus library forks to start
# a bus when Qt's accessibility bridge first connects, which the first widget
# text brings about: in the calculator and the window with text before their
# windows are mapped, in the empty minimal window only after.
echo "== start-up under Xvfb in a D-Bus session, as on a desktop"
DISPLAY=":$(cat "$work/display")" dbus-run-session -- "$bin/startup_benchmark" 9 "$app" \
  "$bin/minimal_window" "$bin/text_window" 2>/dev/null | tee "$work/session"

report=$(median BM_RequestUntilPaintedLargestTable "$work/report")
floor=$(median BM_ToolkitFloorLargestTable "$work/report")
reportCpu=$(median BM_RequestUntilPaintedLargestTable "$work/report" cpu)
floorCpu=$(median BM_ToolkitFloorLargestTable "$work/report" cpu)
rows=$(median BM_ReportTextPerRow "$work/rows")
tochars=$(median BM_ToCharsPerRow "$work/rows")
echo
echo "report path      $(ratio "$report" "$floor") x toolkit floor ($report ms / $floor ms;" \
  "CPU $(ratio "$reportCpu" "$floorCpu") x, $reportCpu ms / $floorCpu ms)"
# A ratio line of startup_benchmark's output, for one floor program.
floor_line() {
  awk -v line="$1" -v name="$2" -v label="$3" '
    { shift = $1 == "resident" ? 1 : 0 }
    $1 == line && $(5 + shift) == name {
      unit = $(4 + shift)
      print label " " $NF " x " name " (" $(3 + shift) " " unit " / " $(6 + shift) " " unit ")"
    }' "$4"
}
floor_line start-up minimal_window "start-up        " "$work/startup"
floor_line start-up minimal_window "  with a session bus" "$work/session"
floor_line start-up text_window "  over a window with text" "$work/startup"
floor_line start-up text_window "  the same with a session bus" "$work/session"
floor_line resident minimal_window "resident memory " "$work/startup"
floor_line resident text_window "  over a window with text" "$work/startup"
echo "row formatting   $(ratio "$rows" "$tochars") x std::to_chars ($rows ms / $tochars ms per table)"
