#!/usr/bin/env bash
# Proves that the README's two set-up commands work on a fresh Debian 12
# machine: builds a minimal bookworm root with debootstrap, copies a clean
# clone of the project into it and runs both commands there exactly as the
# README writes them. The run command's calculator is shown on an X server
# started here on the host, so the fresh root gets nothing the README does
# not install; the step passes once the loan window appears.
# Then the .deb made from that build is installed with apt into a second
# fresh root, which has none of the build's packages: the calculator must
# start from it, and purging the package must leave none of its files.
#
# Usage, as root: scripts/fresh-machine.sh [--busy] [REPOSITORY]
#   --busy         runs the test command while busy loops hold every core, one
#                  a core, as on a laptop that compiles while its user browses
#   REPOSITORY     what to clone (default: the repository holding this script)
#   SW_ROOT        where the build root is made (default /var/tmp/sw-fresh-root;
#                  the package is installed in the same path + "-install")
#   SW_REPORT_DIR  where logs, screenshots and summary go (default /var/tmp/sw-fresh-report)
#   SW_PACKAGE_CACHE  debootstrap's package cache, whose .deb files it also
#                  leaves in the root's apt cache to save downloading
#                  (default /var/cache/apt/archives; empty: none)
# Needs on the host: debootstrap, git, Xvfb (xvfb), xwininfo (x11-utils);
# import (imagemagick) for screenshots. Takes minutes to tens of minutes;
# not part of .ci/run.
set -uo pipefail

busy=0
if [ "${1:-}" = --busy ]; then
  busy=1
  shift
fi
readonly busy
readonly repository=${1:-$(git -C "$(dirname "$0")" rev-parse --show-toplevel)}
readonly build_root=${SW_ROOT:-/var/tmp/sw-fresh-root}
readonly install_root=$build_root-install
readonly report_dir=${SW_REPORT_DIR:-/var/tmp/sw-fresh-report}
readonly package_cache=${SW_PACKAGE_CACHE-/var/cache/apt/archives}
readonly project_in_root=/root/sumwright
readonly display_number=87
readonly window_title='Sumwright Calculator'
readonly run_limit=90m
readonly test_limit=120m

summary=()
failed=0
mounted=()
xvfb_pid=
busy_pids=()

log() { printf '[%s] %s\n' "$(date -u +%H:%M:%S)" "$*"; }

record() {
  local verdict=$1 step=$2 started=$3
  local seconds=$(( $(date +%s) - started ))
  summary+=("$(printf '%-4s %-34s %4dm%02ds' "$verdict" "$step" $((seconds / 60)) $((seconds % 60)))")
  [ "$verdict" = PASS ] || failed=1
  log "$verdict: $step"
}

start_busy_loops() {
  local core
  for (( core = 0; core < $(nproc); core++ )); do
    yes >/dev/null &
    busy_pids+=($!)
  done
  log "${#busy_pids[@]} busy loops hold every core"
}

stop_busy_loops() {
  [ ${#busy_pids[@]} -eq 0 ] && return
  kill "${busy_pids[@]}" 2>/dev/null
  wait "${busy_pids[@]}" 2>/dev/null
  busy_pids=()
}

verdict_of() { [ "$1" -eq 0 ] && echo PASS || echo FAIL; }

cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  stop_busy_loops
  local i
  for (( i=${#mounted[@]}-1; i>=0; i-- )); do
    umount -l "${mounted[i]}" 2>/dev/null
  done
}
trap cleanup EXIT

# The Debian archive this host's apt already uses for bookworm's main.
debian_mirror() {
  apt-cache policy 2>/dev/null |
    awk '$3 == "bookworm/main" && $4 == "amd64" { print $2; exit }'
}

# The sh block that follows MARKER in the clone's README, as .ci/run reads it.
readme_command() {
  sh "$build_root$project_in_root/scripts/readme-command.sh" "$1" \
    "$build_root$project_in_root/README.md"
}

# Runs a command in ROOT with a clean environment; DISPLAY=... may precede it.
in_root() {
  local root=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

mount_into_root() {
  local root=$1 source=$2 target=$1$3
  shift 3
  mkdir -p "$target" && mount "$@" "$source" "$target" && mounted+=("$target")
}

# A minimal bookworm in ROOT, with proc, sys, dev and the host's X socket.
make_root() {
  local root=$1 started mirror status
  started=$(date +%s)
  mirror=$(debian_mirror)
  if [ -z "$mirror" ]; then
    log "no bookworm main source in this host's apt configuration"
    record FAIL "debootstrap $(basename "$root")" "$started"
    return 1
  fi
  if grep -q " $root/" /proc/mounts; then
    log "something is still mounted under $root: unmount it first"
    record FAIL "debootstrap $(basename "$root")" "$started"
    return 1
  fi
  rm -rf --one-file-system "$root"
  local cache_option=()
  if [ -n "$package_cache" ] && [ -d "$package_cache" ]; then
    cache_option=(--cache-dir="$package_cache")
  fi
  debootstrap --variant=minbase "${cache_option[@]}" bookworm "$root" "$mirror" \
    >"$report_dir/debootstrap-$(basename "$root").log" 2>&1 &&
    cp /etc/resolv.conf "$root/etc/resolv.conf" &&
    mkdir -p /tmp/.X11-unix &&
    mount_into_root "$root" proc /proc -t proc &&
    mount_into_root "$root" sysfs /sys -t sysfs &&
    mount_into_root "$root" /dev /dev --bind &&
    mount_into_root "$root" /dev/pts /dev/pts --bind &&
    mount_into_root "$root" /tmp/.X11-unix /tmp/.X11-unix --bind
  status=$?
  [ $status -eq 0 ] || tail -n 20 "$report_dir/debootstrap-$(basename "$root").log"
  record "$(verdict_of $status)" "debootstrap $(basename "$root")" "$started"
  return $status
}

clone_step() {
  local started status
  started=$(date +%s)
  git clone --quiet --no-hardlinks "$repository" "$build_root$project_in_root" &&
    git -C "$build_root$project_in_root" log -1 --format='clone of %h %s' | tee "$report_dir/commit.txt"
  status=$?
  record "$(verdict_of $status)" "clean clone into the root" "$started"
  return $status
}

start_display() {
  Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >"$report_dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  sleep 2
  kill -0 "$xvfb_pid" 2>/dev/null
}

window_shown() {
  DISPLAY=":$display_number" xwininfo -root -tree 2>/dev/null | grep -q "\"$window_title\""
}

# Runs COMMAND in ROOT in its own session until the loan window appears,
# photographs the screen into NAME.png, then ends that session's processes.
show_window() {
  local step=$1 name=$2 root=$3 command=$4 started session_pid verdict=FAIL
  started=$(date +%s)
  log "+ $command"
  setsid chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DISPLAY=":$display_number" \
    timeout "$run_limit" bash -c "$command" >"$report_dir/$name.log" 2>&1 &
  session_pid=$!
  while kill -0 "$session_pid" 2>/dev/null; do
    if window_shown; then
      sleep 3
      verdict=PASS
      log "the loan window \"$window_title\" is on the screen"
      command -v import >/dev/null &&
        DISPLAY=":$display_number" import -window root "$report_dir/$name.png"
      break
    fi
    sleep 5
  done
  if [ "$verdict" = PASS ]; then
    kill -TERM -- "-$session_pid" 2>/dev/null
    wait "$session_pid" 2>/dev/null
  else
    wait "$session_pid"
    log "the command ended with status $? before the loan window appeared"
    tail -n 30 "$report_dir/$name.log"
  fi
  record "$verdict" "$step" "$started"
}

run_step() {
  local command
  command=$(readme_command run-command)
  if [ -z "$command" ]; then
    log "no run command in README.md"
    record FAIL "run command" "$(date +%s)"
    return 1
  fi
  show_window "run command (window shown)" run-command "$build_root" \
    "cd $project_in_root && $command"
}

test_step() {
  local command started status
  started=$(date +%s)
  command=$(readme_command test-command)
  if [ -z "$command" ]; then
    log "no test command in README.md"
    record FAIL "test command" "$started"
    return 1
  fi
  log "+ $command"
  [ "$busy" -eq 1 ] && start_busy_loops
  in_root "$build_root" timeout "$test_limit" bash -euo pipefail -c "cd $project_in_root && $command" \
    >"$report_dir/test-command.log" 2>&1
  status=$?
  stop_busy_loops
  grep -E 'tests passed|tests failed|\(Failed\)|\*\*\*Failed|Not Run' "$report_dir/test-command.log" | tail -n 20
  log "test command ended with status $status"
  local name="test command"
  [ "$busy" -eq 1 ] && name="test command, every core busy"
  record "$(verdict_of $status)" "$name" "$started"
}

# The .deb of the release build, copied out of the build root.
package_step() {
  local started status
  started=$(date +%s)
  in_root "$build_root" bash -c "rm -rf /tmp/sw-deb &&
      cpack --config $project_in_root/build/release/CPackConfig.cmake -G DEB -B /tmp/sw-deb" \
    >"$report_dir/cpack.log" 2>&1 &&
    cp "$build_root"/tmp/sw-deb/sumwright_*.deb "$report_dir/"
  status=$?
  ls "$report_dir"/sumwright_*.deb 2>/dev/null
  record "$(verdict_of $status)" "cpack -G DEB" "$started"
  return $status
}

install_step() {
  local started status
  started=$(date +%s)
  cp "$report_dir"/sumwright_*.deb "$install_root/tmp/" &&
    in_root "$install_root" bash -c 'apt-get update &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends /tmp/sumwright_*.deb &&
      sumwright --version && sumwright-cli --version &&
      sumwright-cli payment --principal 100000 --rate 6 --years 30 &&
      ls /usr/share/man/man1/sumwright-cli.1.gz /usr/share/applications/org.example.Sumwright.desktop' \
    >"$report_dir/deb-install.log" 2>&1
  status=$?
  grep -E '^(Setting up sumwright|sumwright|599|/usr/share/)' "$report_dir/deb-install.log"
  record "$(verdict_of $status)" ".deb installs with apt and runs" "$started"
  return $status
}

# Every path the package installed is gone after the purge, except folders
# that other packages still fill.
purge_step() {
  local started status
  started=$(date +%s)
  in_root "$install_root" bash -euo pipefail -c '
      dpkg-query -L sumwright >/tmp/sumwright.paths
      DEBIAN_FRONTEND=noninteractive apt-get purge -y sumwright
      left=0
      while read -r path; do
        if [ -d "$path" ]; then
          [ -n "$(ls -A "$path")" ] || { echo "left behind: $path/"; left=1; }
        elif [ -e "$path" ] || [ -L "$path" ]; then
          echo "left behind: $path"; left=1
        fi
      done </tmp/sumwright.paths
      [ $left -eq 0 ] && echo "purged: nothing left of $(wc -l </tmp/sumwright.paths) installed paths"
      [ $left -eq 0 ]' >"$report_dir/deb-purge.log" 2>&1
  status=$?
  grep -E '^(left behind|purged)' "$report_dir/deb-purge.log"
  record "$(verdict_of $status)" ".deb purge leaves nothing" "$started"
}

main() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "run as root: debootstrap and chroot need it" >&2
    exit 2
  fi
  local tool
  for tool in debootstrap git Xvfb xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing on the host: $tool" >&2; exit 2; }
  done
  mkdir -p "$report_dir"
  rm -f "$report_dir"/sumwright_*.deb
  local started
  started=$(date +%s)
  log "fresh Debian 12 roots $build_root and $install_root, logs in $report_dir"
  if ! start_display; then
    record FAIL "X server on the host" "$started"
  elif make_root "$build_root" && clone_step; then
    run_step
    test_step
    if package_step && make_root "$install_root" && install_step; then
      show_window ".deb's sumwright shows a window" deb-window "$install_root" sumwright
      purge_step
    fi
  fi
  record "$(verdict_of $failed)" "all" "$started"
  printf '%s\n' "${summary[@]}" | tee "$report_dir/summary.txt"
  exit $failed
}

main
