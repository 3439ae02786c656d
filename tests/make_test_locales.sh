#!/bin/sh
# Compiles the locales that the tests switch to into DIR, to be named by
# LOCPATH, so that no locale has to be installed on the system.
set -eu
dir=$1
if ! command -v localedef >/dev/null; then
  echo "localedef not found: install the locales package" >&2
  exit 1
fi
mkdir -p "$dir"
for name in en_US de_DE fr_FR de_CH; do
  target=$dir/$name.UTF-8
  [ -d "$target" ] && continue
  rm -rf "$target.part"
  # Status 1 means warnings only: the locale was written.
  localedef -i "$name" -f UTF-8 "$target.part" || [ $? -eq 1 ]
  mv "$target.part" "$target"
done
