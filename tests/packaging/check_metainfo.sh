#!/bin/sh
# The AppStream metainfo passes appstreamcli's validation without errors or
# warnings, offline.
# Usage: check_metainfo.sh METAINFO_FILE
set -eu
. "$(dirname "$0")/require_tool.sh"
require_tool appstreamcli appstream
report=$(appstreamcli validate --no-net "$1" 2>&1) || { echo "$report"; exit 1; }
echo "$report"
if echo "$report" | grep -q '^[EW]: '; then
  exit 1
fi
