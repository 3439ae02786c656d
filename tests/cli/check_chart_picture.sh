#!/bin/sh
# Draws the chart of a 30-year loan with librsvg and checks the picture:
# the balance line is drawn across the plot, falling from its top left
# corner to its bottom right one. Charts of very large principals, whose
# labels and title are wide, must draw nothing off their edges. librsvg
# draws each chart to PDF, which pdftoppm turns into pixels.
# Usage: check_chart_picture.sh SUMWRIGHT_CLI
set -eu
. "$(dirname "$0")/../packaging/require_tool.sh"
require_tool rsvg-convert librsvg2-bin
require_tool pdftoppm poppler-utils
require_tool python3 python3
cli=$1
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Draws NAME.svg as NAME.ppm, a pixel to each unit of the picture.
draw() {
  rsvg-convert --format=pdf --output="$work/$1.pdf" "$work/$1.svg"
  pdftoppm -r 96 -singlefile "$work/$1.pdf" "$work/$1"
}

"$cli" schedule --principal 100000 --rate 6 --years 30 --format svg > "$work/chart.svg"
draw chart
python3 "$here/balance_line_in_picture.py" "$work/chart.svg" "$work/chart.ppm"
python3 "$here/nothing_at_picture_edges.py" "$work/chart.ppm"

for principal in 9999999999999 1e100 1.7e308; do
  "$cli" schedule --principal $principal --rate 6.5 --years 30 --format svg > "$work/wide.svg"
  draw wide
  python3 "$here/nothing_at_picture_edges.py" "$work/wide.ppm"
done
