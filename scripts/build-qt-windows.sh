#!/bin/sh
# Builds, once, the static Qt for 64-bit Windows that the windows-gui preset
# links the calculator against: Debian's own qt6-base source of the host Qt's
# version, cross-compiled with mingw-w64 against the host's Qt tools.
#
# The result goes to SUMWRIGHT_QT_WINDOWS, default
# ${XDG_CACHE_HOME:-$HOME/.cache}/sumwright/qt-windows-x86_64. A finished
# build carries a stamp naming the Debian version it was built from; run again
# with the same host Qt, the script does nothing. The build happens in a
# folder beside the cache and only a finished install is moved into place, so
# a failed or interrupted run leaves no half-made Qt behind.
# About an hour on a 2-core machine; about 105 MB installed.
#
# Usage: scripts/build-qt-windows.sh
set -eu

project=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/sumwright
prefix=${SUMWRIGHT_QT_WINDOWS:-$cache/qt-windows-x86_64}
stamp=$prefix/sumwright-qt-version

step() { printf '== %s\n' "$*"; }

missing=
need() { command -v "$1" >/dev/null 2>&1 || missing="$missing $2"; }
need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
need cmake cmake
need ninja ninja-build
need dpkg-source dpkg-dev
need perl perl
[ -x /usr/lib/qt6/libexec/moc ] || missing="$missing qt6-base-dev-tools"
[ -f /usr/lib/x86_64-linux-gnu/cmake/Qt6/Qt6Config.cmake ] || missing="$missing qt6-base-dev"
if [ -n "$missing" ]; then
  echo "build-qt-windows.sh: missing packages; install them (as root) with:" >&2
  echo "  apt-get install -y --no-install-recommends$missing" >&2
  exit 2
fi

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
if [ "$(cat "$stamp" 2>/dev/null)" = "$version" ]; then
  echo "Qt $version for Windows is already built in $prefix"
  exit 0
fi

mkdir -p "$(dirname "$prefix")"
work=$(mktemp -d "$prefix.building.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP

step "Fetching Debian's qt6-base $version source"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/apt/sources.list"
set -- -o Dir::Etc::SourceList="$work/apt/sources.list" \
  -o Dir::Etc::SourceParts="$work/apt/parts" \
  -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" \
  -o Debug::NoLocking=1
apt-get "$@" -q update
(cd "$work" && apt-get "$@" -q source --download-only "qt6-base=$version")
(cd "$work" && dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null)

# Only what the calculator uses: widgets and the test library, no network,
# databases, D-Bus, XML, printing or OpenGL. Debian's source drops the wintab
# headers (tablet events), and without OpenGL the Windows platform plugin of
# 6.4 compiles only without dynamic GL.
step "Configuring (the source is in $work/source)"
cmake -S "$work/source" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_testlib=ON -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF

step "Building (ninja's [done/all] counts the progress)"
cmake --build "$work/build"

step "Installing into $prefix"
DESTDIR="$work/stage" cmake --install "$work/build" >/dev/null
echo "$version" >"$work/stage$prefix/sumwright-qt-version"
rm -rf "$prefix"
mv "$work/stage$prefix" "$prefix"
step "Qt $version for Windows is in $prefix ($(du -sh "$prefix" | cut -f1))"
