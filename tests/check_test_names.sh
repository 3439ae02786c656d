#!/bin/sh
# Every test listed by ctest has a short name of plain characters, so the same
# test has the same name in every build and `ctest -R NAME` can select it, and
# every parameterised case is named rather than numbered.
# Usage: check_test_names.sh CTEST BUILD_DIR
set -eu
# ctest -N starts the log of the last run afresh in the folder it lists
# (Testing/Temporary/LastTest.log); a scratch folder whose one subfolder is
# the build folder is listed instead, so that the log keeps the last run.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf 'subdirs("%s")\n' "$2" > "$scratch/CTestTestfile.cmake"
names=$("$1" --test-dir "$scratch" -N | sed -n 's/^ *Test *#[0-9]*: //p')
[ -n "$names" ] || { echo "no tests listed"; exit 1; }
bad=$(printf '%s\n' "$names" | grep -Ev '^[A-Za-z0-9_./-]{1,100}$' || true)
if [ -n "$bad" ]; then
  echo "test names longer than 100 characters or with other characters than [A-Za-z0-9_./-]:"
  printf '%s\n' "$bad"
  exit 1
fi
unnamed=$(printf '%s\n' "$names" | grep -E '/[0-9]+$' || true)
if [ -n "$unnamed" ]; then
  echo "parameterised cases known only by their number (give each case a name):"
  printf '%s\n' "$unnamed"
  exit 1
fi
echo "$(printf '%s\n' "$names" | wc -l) test names checked"
