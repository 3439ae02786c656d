#!/usr/bin/env bash
# Builds the .deb from a configured build, installs it with apt, runs the
# installed programs, then purges the package and checks that it left
# nothing behind. It changes the system it runs on: meant for a throw-away
# root such as the one scripts/fresh-machine.sh makes.
# Usage, as root from the project folder: scripts/deb-roundtrip.sh [BUILD_DIR]
set -euo pipefail
build_dir=${1:-build/release}
work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work_dir" >"$work_dir/cpack.log"
deb=$(echo "$work_dir"/sumwright_*.deb)
echo "built $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
dpkg-query -L sumwright >"$work_dir/installed.txt"

echo "+ sumwright-cli payment --principal 100000 --rate 6 --years 30"
[ "$(sumwright-cli payment --principal 100000 --rate 6 --years 30)" = 599.55 ]
sumwright --version
sumwright-cli --version
man -w sumwright-cli
test -f /usr/share/applications/org.example.Sumwright.desktop

DEBIAN_FRONTEND=noninteractive apt-get purge -y sumwright
left=()
while read -r path; do
  if [ -d "$path" ]; then
    [ -n "$(ls -A "$path")" ] || left+=("$path/")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <"$work_dir/installed.txt"
if [ ${#left[@]} -gt 0 ]; then
  printf 'left behind: %s\n' "${left[@]}"
  exit 1
fi
echo "purged: none of the package's $(wc -l <"$work_dir/installed.txt") paths is left"
