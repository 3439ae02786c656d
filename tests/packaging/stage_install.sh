#!/bin/sh
# Installs the build into an empty staging directory, as a package build does.
# Usage: stage_install.sh BUILD_DIR STAGE_DIR PREFIX
set -eu
build_dir=$1 stage_dir=$2 prefix=$3
rm -rf "$stage_dir"
DESTDIR=$stage_dir cmake --install "$build_dir" --prefix "$prefix"
