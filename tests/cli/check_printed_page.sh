#!/bin/sh
# Prints the page of a 30-year loan to PDF in headless Chromium and reads it
# back with pdftotext: every row of the text report, digits and order, and
# the column headers on every page that holds rows. Also checks that the
# page and the chart are well-formed XML.
# Usage: check_printed_page.sh SUMWRIGHT_CLI
set -eu
. "$(dirname "$0")/../packaging/require_tool.sh"
require_tool chromium chromium
require_tool pdftotext poppler-utils
require_tool xmllint libxml2-utils
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/profile"

loan="--principal 100000 --rate 6 --years 30"
"$cli" schedule $loan > "$work/report.txt"
"$cli" schedule $loan --format html > "$work/page.html"
"$cli" schedule $loan --format svg > "$work/chart.svg"
xmllint --noout "$work/page.html" "$work/chart.svg"

HOME="$work/home" chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --print-to-pdf="$work/page.pdf" --no-pdf-header-footer \
  "file://$work/page.html" > "$work/chromium.log" 2>&1 || {
  cat "$work/chromium.log" >&2
  echo "FAIL: chromium did not print the page" >&2
  exit 1
}
pdftotext -layout "$work/page.pdf" "$work/page.txt"

# The rows as words separated by single blanks, from the report and the print.
tail -n +4 "$work/report.txt" | sed 's/  */ /g' > "$work/expected"
grep -E '^ *[0-9]{3,} +[0-9]' "$work/page.txt" | sed 's/^ *//; s/ *$//; s/  */ /g' > "$work/printed"
if ! cmp -s "$work/expected" "$work/printed"; then
  diff "$work/expected" "$work/printed" | head -20 >&2
  echo "FAIL: the printed rows differ from the text report" >&2
  exit 1
fi

# Pages are separated by form feeds; each page with a row has the headers.
awk 'BEGIN { RS = "\f" }
  /(^|\n) *[0-9][0-9][0-9]+ +[0-9]/ {
    pages++
    text = $0
    gsub(/  +/, " ", text)
    if (index(text, "Month Interest Principal Principal still owed") == 0) bare++
  }
  END {
    if (pages < 2 || bare > 0) {
      printf "FAIL: %d of %d pages with rows lack the column headers\n", bare, pages > "/dev/stderr"
      exit 1
    }
    printf "PASS: 360 rows on %d pages, headers on each\n", pages
  }' "$work/page.txt"
