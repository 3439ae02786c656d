#!/bin/sh
# Renders the chart of a 30-year loan with librsvg and checks the picture:
# the balance line is drawn across the plot, falling from its top left
# corner to its bottom right one. Charts of very large principals, whose
# labels and title are wide, must draw nothing off their edges.
# Usage: check_chart_picture.sh SUMWRIGHT_CLI
set -eu
. "$(dirname "$0")/../packaging/require_tool.sh"
require_tool rsvg-convert librsvg2-bin
require_tool python3 python3
cli=$1
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" schedule --principal 100000 --rate 6 --years 30 --format svg > "$work/chart.svg"
rsvg-convert --format=png --output="$work/chart.png" "$work/chart.svg"
python3 "$here/balance_line_in_picture.py" "$work/chart.png"
python3 "$here/nothing_at_picture_edges.py" "$work/chart.png"

for principal in 9999999999999 1e100 1.7e308; do
  "$cli" schedule --principal $principal --rate 6.5 --years 30 --format svg > "$work/wide.svg"
  rsvg-convert --format=png --output="$work/wide.png" "$work/wide.svg"
  python3 "$here/nothing_at_picture_edges.py" "$work/wide.png"
done
