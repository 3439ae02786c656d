#!/bin/sh
# Windows grow with their text at every font resolution and scaling rule:
# each case sets the X server's Xft.dpi, starts PROBE (dpi_probe.cpp) with
# Qt's scaling settings, and compares the loan window's width in screen
# pixels; no window may cut a caption. Run it under with_window_manager.sh.
# Usage: check_dpi.sh PROBE
set -u
. "$(dirname "$0")/judge_probe.sh"
failed=0
# Xft.dpi, QT_ENABLE_HIGHDPI_SCALING, QT_SCALE_FACTOR_ROUNDING_POLICY, width
while read -r dpi scaling rounding width; do
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi
"
  shown=$(QT_ENABLE_HIGHDPI_SCALING=$scaling QT_SCALE_FACTOR_ROUNDING_POLICY=$rounding "$1")
  judge_probe "$dpi dpi, scaling $scaling, rounding $rounding" "$width" "$shown"
done <<CASES
96 1 PassThrough 446
96 0 PassThrough 446
120 1 PassThrough 558
120 1 Round 558
120 0 PassThrough 558
144 1 Round 670
192 1 PassThrough 892
192 1 Round 892
192 0 PassThrough 892
CASES
exit $failed
