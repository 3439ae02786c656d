#!/bin/sh
# The C++ sources are laid out as .clang-format says; the formatter names
# each place that is not.
# Usage: check_format.sh CLANG_FORMAT SOURCE_DIR
set -eu
command -v "$1" >/dev/null || { echo "no clang-format-14: install the package clang-format-14"; exit 1; }
cd "$2"
files=$(find src tests bench fuzz packaging -name '*.cpp' -o -name '*.h' | sort)
[ -n "$files" ] || { echo "no sources found in $2"; exit 1; }
# shellcheck disable=SC2086 # one name a line, none with spaces
if ! "$1" --style=file --dry-run --Werror $files; then
  echo "not formatted: run $1 -i on the files named above"
  exit 1
fi
echo "$(printf '%s\n' "$files" | wc -l) files formatted"
