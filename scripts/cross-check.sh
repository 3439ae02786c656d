#!/usr/bin/env bash
# Checks that sumwright-cli prints the same bytes on other processors and on
# Windows: builds it without the window and without tests for the host, for
# 32-bit x86 (i686), for 64-bit ARM (aarch64) and for 64-bit Windows with the
# project's own CMake files, runs one fixed list of calculations and
# schedules with each (the foreign builds under qemu-user, the Windows one
# under Wine) and compares every output, error text and exit status with the
# host's, byte for byte: the Windows program too writes "\n" line ends.
# Prints the differing cases and exits 1 if there is any.
#
# Usage: scripts/cross-check.sh [CASES]
#   CASES           how many cases to generate (default 3000); the list
#                   depends only on this number
#   CROSS_CHECK_DIR where builds and outputs go (default build/cross-check)
#   CROSS_CHECK_ARCHES  which foreign builds to check (default "i686 aarch64");
#                   "windows" checks the Windows build
# Needs: g++-i686-linux-gnu g++-aarch64-linux-gnu qemu-user besides the
# build tools, and for windows g++-mingw-w64-x86-64-posix and wine64. Takes
# a few minutes; not part of .ci/run.
set -euo pipefail

cd "$(dirname "$0")/.."
readonly case_count=${1:-3000}
readonly work=${CROSS_CHECK_DIR:-build/cross-check}
readonly arches=${CROSS_CHECK_ARCHES:-i686 aarch64}
jobs=$(nproc)
readonly jobs

# Configures and builds sumwright-cli into $work/$1; further arguments go to
# CMake.
build() {
  local name=$1
  shift
  cmake -S . -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DSUMWRIGHT_GUI=OFF -DSUMWRIGHT_TESTS=OFF "$@" >"$work/$name.configure.log" ||
    { echo "$name: configuring failed, see $work/$name.configure.log" >&2; return 1; }
  cmake --build "$work/$name" --target sumwright-cli >"$work/$name.build.log" ||
    { echo "$name: building failed, see $work/$name.build.log" >&2; return 1; }
}

# A fixed pseudo-random sequence (a 31-bit linear congruential generator,
# 15 good bits a step), so the case list is the same on every machine and
# every run.
seed=20261208
next() { # next MODULUS: sets r to a number in [0, MODULUS), MODULUS < 2^30
  local high
  seed=$(((seed * 1103515245 + 12345) % 2147483648))
  high=$((seed / 65536))
  seed=$(((seed * 1103515245 + 12345) % 2147483648))
  r=$(((high * 32768 + seed / 65536) % $1))
}

# Sets text to an amount given in hundredths, in one of the forms a field
# accepts.
amount() { # amount HUNDREDTHS
  local whole=$(($1 / 100)) cents grouped=""
  printf -v cents '%02d' $(($1 % 100))
  next 4
  case $r in
    0) text=$whole.$cents ;;
    1)
      while ((${#whole} > 3)); do
        grouped=,${whole: -3}$grouped
        whole=${whole:0:${#whole}-3}
      done
      text=$whole$grouped.$cents
      ;;
    2) text=$whole${cents}e-2 ;;
    3)
      text=$whole
      [[ $cents == 00 ]] || text+=.$cents
      ;;
  esac
}

# Sets text to a yearly rate from 0 to 30 percent with three decimals, and
# rate_milli to the same in thousandths of a percent.
rate() {
  next 30000
  rate_milli=$r
  printf -v text '%d.%03d' $((r / 1000)) $((r % 1000))
}

cases() {
  local i principal payment interest
  # The report as text, as a chart and as a page.
  local -r report_formats=(text svg html)
  for ((i = 0; i < case_count; ++i)); do
    next 100000000; principal=$((r + 100))
    rate; local rate_text=$text
    next 40; local years=$((r + 1))
    # Payments around the first month's interest, so that some loans are
    # never repaid and some only just are.
    interest=$((principal * rate_milli / 1200000))
    next 3; local spread=$((r == 0 ? 3 : r == 1 ? 200 : 5000))
    next $((spread * 2 + 1)); payment=$((interest + r * interest / 100 - spread * interest / 100 + 1))
    ((payment > 0)) || payment=1
    next 500; local after=$r
    amount $principal; local p=$text
    amount $payment; local a=$text
    next 9
    case $r in
      0) echo "payment --principal $p --rate $rate_text --years $years" ;;
      1) echo "principal --payment $a --rate $rate_text --years $years" ;;
      2) echo "term --principal $p --payment $a --rate $rate_text" ;;
      3) echo "rate --principal $p --payment $a --years $years" ;;
      4) echo "remaining --principal $p --payment $a --rate $rate_text --after $after" ;;
      5) echo "how-long --balance $p --rate $rate_text --withdrawal $a" ;;
      6) echo "how-much --balance $p --rate $rate_text --withdrawal $a --after $after" ;;
      7) echo "schedule --principal $p --rate $rate_text --years $years --format csv" ;;
      8) echo "schedule --principal $p --rate $rate_text --years $years --format ${report_formats[after % 3]}" ;;
    esac
  done
}

# Runs every case with one build, spread over the processors: for case N,
# file N holds its output and N.err its error text and exit status.
run_all() { # run_all NAME COMMAND...
  local name=$1 part
  shift
  rm -rf "$work/out/$name"
  mkdir -p "$work/out/$name"
  for ((part = 0; part < jobs; ++part)); do
    run_part "$part" "$work/out/$name" "$@" &
  done
  wait
}

run_part() { # run_part PART DIRECTORY COMMAND...
  local part=$1 directory=$2 number=0 args status
  shift 2
  while read -r args; do
    if ((number++ % jobs == part)); then
      status=0
      # shellcheck disable=SC2086 # the case's words are the arguments
      "$@" $args >"$directory/$number" 2>"$directory/$number.err" || status=$?
      echo "exit $status" >>"$directory/$number.err"
    fi
  done <"$work/cases.txt"
}

mkdir -p "$work"
cases >"$work/cases.txt"
echo "$case_count cases in $work/cases.txt"

start=$SECONDS
build native
echo "native build: $((SECONDS - start)) s"
start=$SECONDS
run_all native "$PWD/$work/native/src/cli/sumwright-cli"
echo "native run: $((SECONDS - start)) s"

differences=0
for arch in $arches; do
  start=$SECONDS
  case $arch in
    windows)
      build "$arch" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake"
      run=("$PWD/scripts/wine-run.sh" "$PWD/$work/$arch/src/cli/sumwright-cli.exe")
      ;;
    *)
      build "$arch" -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR="$arch" \
        -DCMAKE_CXX_COMPILER="$arch-linux-gnu-g++"
      qemu=qemu-$arch
      [[ $arch != i686 ]] || qemu=qemu-i386
      run=("$qemu" -L "/usr/$arch-linux-gnu" "$PWD/$work/$arch/src/cli/sumwright-cli")
      ;;
  esac
  echo "$arch build: $((SECONDS - start)) s"
  start=$SECONDS
  run_all "$arch" "${run[@]}"
  echo "$arch run: $((SECONDS - start)) s"
  count=0
  for ((number = 1; number <= case_count; ++number)); do
    native=$work/out/native/$number
    foreign=$work/out/$arch/$number
    if ! cmp -s "$native" "$foreign" || ! cmp -s "$native.err" "$foreign.err"; then
      if ((++count <= 5)); then
        echo "--- case $number: $(sed -n "${number}p" "$work/cases.txt")"
        diff "$native" "$foreign" | head -n 6 || true
        diff "$native.err" "$foreign.err" | head -n 6 || true
      fi
    fi
  done
  echo "$arch: $count of $case_count cases differ from the native build"
  differences=$((differences + count))
done
((differences == 0))
