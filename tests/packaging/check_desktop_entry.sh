#!/bin/sh
# The desktop entry passes desktop-file-validate without errors, warnings or
# hints.
# Usage: check_desktop_entry.sh DESKTOP_FILE
set -eu
. "$(dirname "$0")/require_tool.sh"
require_tool desktop-file-validate desktop-file-utils
report=$(desktop-file-validate "$1" 2>&1) || { echo "$report"; exit 1; }
if [ -n "$report" ]; then
  echo "$report"
  exit 1
fi
echo "desktop-file-validate: $1 is clean"
