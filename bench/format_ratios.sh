#!/usr/bin/env bash
# Prints, from one run, how long `schedule` takes to write the chart (svg)
# and the printable page (html) of the largest table (32,760 months) over
# the text report of the same table, each from the field texts on. The three
# are measured side by side, interleaved, and compared by medians.
# Needs the bench preset built.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bench/bench}
. bench/medians.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== the largest schedule in three formats, median of 15 repetitions"
"$bin/core_benchmarks" "${interleaved[@]}" --benchmark_repetitions=15 \
  --benchmark_filter='BM_ScheduleLargest/' | tee "$work/formats"

text=$(median BM_ScheduleLargest/text "$work/formats")
textCpu=$(median BM_ScheduleLargest/text "$work/formats" cpu)
echo
for format in svg html; do
  time=$(median "BM_ScheduleLargest/$format" "$work/formats")
  cpu=$(median "BM_ScheduleLargest/$format" "$work/formats" cpu)
  echo "$format  $(ratio "$time" "$text") x text ($time ms / $text ms;" \
    "CPU $(ratio "$cpu" "$textCpu") x, $cpu ms / $textCpu ms)"
done
