#!/bin/sh
# Builds the .deb with CPack and checks that it holds exactly the intended
# files, owned by root with the usual modes, and carries the project's
# version, a maintainer, both descriptions and the shared-library
# dependencies that dpkg-shlibdeps found.
# Usage: check_deb.sh BUILD_DIR WORK_DIR EXPECTED_FILES VERSION
set -eu
. "$(dirname "$0")/require_tool.sh"
build_dir=$1 work_dir=$2 expected=$3 version=$4
require_tool dpkg-deb dpkg
require_tool dpkg-shlibdeps dpkg-dev
require_tool file file

rm -rf "$work_dir"
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work_dir" >"$work_dir.log" 2>&1 ||
  { cat "$work_dir.log"; exit 1; }
deb=$work_dir/sumwright_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: $deb was not made"; cat "$work_dir.log"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }

dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sed 's|^\./|/|' | sort >"$work_dir/files.txt"
diff -u "$expected" "$work_dir/files.txt" || fail "the package's files differ from $expected (- expected, + packaged)"

modes=$(dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ {
    wanted = ($6 ~ /^\.\/usr\/bin\//) ? "-rwxr-xr-x" : "-rw-r--r--"
    if ($1 != wanted || $2 != "root/root") print $6 " is " $1 " " $2 ", not " wanted " root/root"
  }')
[ -z "$modes" ] || fail "wrong owner or mode: $modes"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = sumwright ] || fail "Package is \"$(field Package)\""
[ "$(field Version)" = "$version" ] || fail "Version is \"$(field Version)\", not $version"
field Maintainer | grep -q '^[^<]\+ <[^@]\+@[^>]\+>$' || fail "Maintainer \"$(field Maintainer)\" is not \"Name <address>\""
[ -n "$(field Description | head -n 1)" ] || fail "the short description is empty"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the long description is missing"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  echo "$depends" | grep -q "\(^\|, \)$library\( \|,\|$\)" || fail "Depends lacks $library: $depends"
done
[ $status -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$work_dir/files.txt") files as expected; Depends: $depends"
exit $status
