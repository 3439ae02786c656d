#!/bin/sh
# Prints the page of a 30-year loan to PDF in headless Chromium and reads it
# back with pdftotext: every row of the text report, digits and order, and
# the column headers on every page that holds rows. Also checks that pages
# and charts are well-formed XML, that the page fits a 380 px wide screen,
# and that a table of 41-digit amounts prints every digit.
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

# The pages and charts of this loan and of loans at every edge are
# well-formed: one year, the longest term, amounts too wide for the margin,
# a title on two lines, every amount 0.00, a balance that never falls.
for edge in "100000 6 30" "10000 7.5 1" "100000 0.01 2730" "9999999999999 6.5 30" \
            "1.7e308 6.5 30" "0.001 6 30" "250000 6.5 500"; do
  set -- $edge
  for format in html svg; do
    "$cli" schedule --principal $1 --rate $2 --years $3 --format $format > "$work/edge.$format"
  done
  xmllint --noout "$work/edge.html" "$work/edge.svg"
done

# Runs headless Chromium with the options given.
browse() {
  HOME="$work/home" chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" "$@" > "$work/chromium.log" 2>&1 || {
    cat "$work/chromium.log" >&2
    echo "FAIL: chromium did not load the page" >&2
    exit 1
  }
}

# Prints NAME.html to NAME.pdf.
print_page() {
  browse --print-to-pdf="$work/$1.pdf" --no-pdf-header-footer "file://$work/$1.html"
}

print_page page
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

# On a 380 px wide screen nothing reaches past the right edge.
cat > "$work/narrow.html" <<'EOF'
<!DOCTYPE html><html><body>
<iframe id="page" src="page.html" style="width: 380px; height: 600px; border: 0"></iframe>
<script>document.getElementById("page").onload = function () {
  const root = this.contentDocument.documentElement;
  document.body.setAttribute("data-widths", root.scrollWidth + " of " + root.clientWidth);
};</script></body></html>
EOF
browse --allow-file-access-from-files --virtual-time-budget=5000 --dump-dom \
  "file://$work/narrow.html"
widths=$(sed -n 's/.*data-widths="\([0-9]*\) of \([0-9]*\)".*/\1 \2/p' "$work/chromium.log")
if [ -z "$widths" ] || [ "${widths% *}" -gt "${widths#* }" ]; then
  echo "FAIL: on a 380 px screen the page is ${widths% *} px wide, not ${widths#* }" >&2
  exit 1
fi
echo "PASS: the page fits a 380 px screen"

# Amounts of 41 digits wrap in their cells rather than being cut at the
# paper's edge: the table's pages hold every digit of the rows.
big="--principal 1e40 --rate 6 --years 1"
"$cli" schedule $big > "$work/big.txt"
"$cli" schedule $big --format html > "$work/big.html"
print_page big
printed=$(pdftotext -f 2 "$work/big.pdf" - | tr -cd 0-9 | wc -c)
shown=$(tail -n +4 "$work/big.txt" | tr -cd 0-9 | wc -c)
if [ "$printed" -ne "$shown" ]; then
  echo "FAIL: the printed table of 41-digit amounts holds $printed of its $shown digits" >&2
  exit 1
fi
echo "PASS: the table of 41-digit amounts prints all $shown digits"
