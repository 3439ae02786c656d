#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzz target (or the targets named)
# for SECONDS seconds, one after the other, printing libFuzzer's progress
# and final statistics. Inputs found go to build/fuzz/fuzz/corpus/NAME,
# inputs that break a target to build/fuzz/fuzz/artifacts/.
#
# Usage: scripts/fuzz.sh [SECONDS] [NAME...]   (default 60 seconds, every target)
# Needs clang and libclang-rt-14-dev besides the build tools.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
filter=()
if (($# > 0)); then
  names=$(IFS='|'; echo "$*")
  filter=(--tests-regex "^fuzz\\.($names)\$")
fi
SUMWRIGHT_FUZZ_SECONDS=$seconds ctest --preset fuzz --verbose "${filter[@]}"
