#!/bin/sh
# On Windows the windows grow with the display scaling (the LogPixels setting
# of a Wine prefix of this check's own): the loan window's width in screen
# pixels at 100, 125, 150 and 200 %, and no window cuts a caption. Run it
# under with_window_manager.sh.
# Usage: check_scaling_windows.sh WINE_RUN PROBE
set -u
. "$(dirname "$0")/judge_probe.sh"
run=$1
probe=$2
export SUMWRIGHT_WINEPREFIX="${SUMWRIGHT_WINEPREFIX:-/tmp/sumwright-wine-$(id -u)}-scaling"
failed=0
while read -r percent dpi width; do
  "$run" --display reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  shown=$(QT_QPA_PLATFORM=windows "$run" --display "$probe" | tr -d '\r')
  judge_probe "$percent % ($dpi dpi)" "$width" "$shown"
done <<CASES
100 96 446
125 120 558
150 144 669
200 192 892
CASES
exit $failed
