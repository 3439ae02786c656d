#!/bin/sh
# Each man page renders with groff's warnings switched on and none given.
# Usage: check_man_pages.sh PAGE...
set -eu
. "$(dirname "$0")/require_tool.sh"
require_tool man man-db
require_tool groff groff-base
status=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || status=1
  if [ -n "$warnings" ]; then
    echo "$page:"
    echo "$warnings"
    status=1
  fi
done
[ $status -eq 0 ] && echo "man -l renders $# pages without warnings"
exit $status
