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
# Each line: the locale's source, its character set, the name it is made as.
while read -r source charset name; do
  target=$dir/$name
  [ -d "$target" ] && continue
  rm -rf "$target.part"
  # Status 1 means warnings only: the locale was written.
  localedef -i "$source" -f "$charset" "$target.part" || [ $? -eq 1 ]
  mv "$target.part" "$target"
done <<EOF
en_US UTF-8 en_US.UTF-8
de_DE UTF-8 de_DE.UTF-8
fr_FR UTF-8 fr_FR.UTF-8
de_CH UTF-8 de_CH.UTF-8
fr_FR@euro ISO-8859-15 fr_FR.ISO-8859-15@euro
EOF
