#!/bin/sh
# The programs installed into the staging prefix run from there and report the
# project's version.
# Usage: check_staged_programs.sh STAGED_PREFIX VERSION
set -eu
bin=$1/bin version=$2
status=0
expect() {
  wanted=$1
  shift
  got=$("$@" 2>&1) || true
  if [ "$got" != "$wanted" ]; then
    echo "FAIL: $* printed \"$got\", expected \"$wanted\""
    status=1
  fi
}
expect "599.55" "$bin/sumwright-cli" payment --principal 100000 --rate 6 --years 30
expect "\$9,383.22" "$bin/sumwright-cli" how-much --balance 10000 --rate 6 --withdrawal 100 --after 12
expect "sumwright-cli $version" "$bin/sumwright-cli" --version
expect "sumwright $version" "$bin/sumwright" --version
[ $status -eq 0 ] && echo "staged programs run and print version $version"
exit $status
