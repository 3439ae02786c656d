#!/bin/sh
# Builds the .deb with CPack and checks that it holds exactly the intended
# files and carries the project's version, a maintainer, both descriptions
# and the shared-library dependencies that dpkg-shlibdeps found.
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

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = sumwright ] || fail "Package is \"$(field Package)\""
[ "$(field Version)" = "$version" ] || fail "Version is \"$(field Version)\", not $version"
field Maintainer | grep -q '^[^<]\+ <[^@]\+@[^>]\+>$' || fail "Maintainer \"$(field Maintainer)\" is not \"Name <address>\""
[ -n "$(field Description | head -n 1)" ] || fail "the short description is empty"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the long description is missing"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  echo "$depends" | grep -q "\(^\|, \)$library\( \|,\|$\)" || fail "Depends lacks $library: $depends"
done
[ $status -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$work_dir/files.txt") files as expected; Depends: $depends"
exit $status
