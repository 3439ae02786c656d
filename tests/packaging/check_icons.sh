#!/bin/sh
# The desktop entry's Exec and Icon name an installed program and icons of the
# icon theme: 16 x 16 and 32 x 32 PNG and a scalable SVG.
# Usage: check_icons.sh STAGED_PREFIX DESKTOP_FILE
set -eu
prefix=$1 desktop_file=$2
icons=$prefix/share/icons/hicolor
status=0
fail() { echo "FAIL: $*"; status=1; }

key() { sed -n "s/^$1=//p" "$desktop_file"; }

# Width and height from the PNG header's IHDR chunk, as "W H".
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}

program=$(key Exec)
[ -x "$prefix/bin/$program" ] || fail "Exec=$program is not an installed program"
icon=$(key Icon)
for size in 16 32; do
  png=$icons/${size}x$size/apps/$icon.png
  if [ ! -f "$png" ]; then
    fail "$png is missing"
  elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "$png is not a PNG file"
  elif [ "$(png_size "$png")" != "$size $size" ]; then
    fail "$png is $(png_size "$png"), not $size x $size"
  fi
done
svg=$icons/scalable/apps/$icon.svg
grep -q '<svg ' "$svg" 2>/dev/null || fail "$svg is missing or not SVG"
[ $status -eq 0 ] && echo "Exec=$program and Icon=$icon are installed"
exit $status
