#!/bin/sh
# Renders the chart of a 30-year loan with librsvg and checks the picture:
# the balance line is drawn across the plot, falling from its top left
# corner to its bottom right one.
# Usage: check_chart_picture.sh SUMWRIGHT_CLI
set -eu
. "$(dirname "$0")/../packaging/require_tool.sh"
require_tool rsvg-convert librsvg2-bin
require_tool python3 python3
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" schedule --principal 100000 --rate 6 --years 30 --format svg > "$work/chart.svg"
rsvg-convert --format=png --output="$work/chart.png" "$work/chart.svg"
python3 "$(dirname "$0")/balance_line_in_picture.py" "$work/chart.png"
