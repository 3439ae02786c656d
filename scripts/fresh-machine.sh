#!/usr/bin/env bash
# Proves that the README's two set-up commands work on a fresh Debian 12
# machine: builds a minimal bookworm root with debootstrap, copies a clean
# clone of the project into it and runs both commands there exactly as the
# README writes them. The run command's calculator is shown on an X server
# started here on the host, so the fresh root gets nothing the README does
# not install; the step passes once the loan window appears. Last, the .deb
# made from that build is installed, run and purged there.
#
# Usage, as root: scripts/fresh-machine.sh [REPOSITORY]
#   REPOSITORY     what to clone (default: the repository holding this script)
#   SW_ROOT        where the root is built (default /var/tmp/sw-fresh-root)
#   SW_REPORT_DIR  where logs, screenshot and summary go (default /var/tmp/sw-fresh-report)
#   SW_PACKAGE_CACHE  debootstrap's package cache, whose .deb files it also
#                  leaves in the root's apt cache to save downloading
#                  (default /var/cache/apt/archives; empty: none)
# Needs on the host: debootstrap, git, Xvfb (xvfb), xwininfo (x11-utils).
# Takes tens of minutes; not part of .ci/run.
set -uo pipefail

readonly repository=${1:-$(git -C "$(dirname "$0")" rev-parse --show-toplevel)}
readonly root=${SW_ROOT:-/var/tmp/sw-fresh-root}
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

log() { printf '[%s] %s\n' "$(date -u +%H:%M:%S)" "$*"; }

record() {
  local verdict=$1 step=$2 started=$3
  local seconds=$(( $(date +%s) - started ))
  summary+=("$(printf '%-4s %-28s %4dm%02ds' "$verdict" "$step" $((seconds / 60)) $((seconds % 60)))")
  [ "$verdict" = PASS ] || failed=1
  log "$verdict: $step"
}

cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  local i
  for (( i=${#mounted[@]}-1; i>=0; i-- )); do
    umount -l "${mounted[i]}" 2>/dev/null
  done
}
trap cleanup EXIT

mount_into_root() {
  local source=$1 target=$root$2
  shift 2
  mkdir -p "$target" && mount "$@" "$source" "$target" && mounted+=("$target")
}

# The Debian archive this host's apt already uses for bookworm's main.
debian_mirror() {
  apt-cache policy 2>/dev/null |
    awk '$3 == "bookworm/main" && $4 == "amd64" { print $2; exit }'
}

# The sh block that follows MARKER in the README, as .ci/run reads it.
readme_command() {
  awk -v marker="<!-- $1 -->" '$0 == marker {found=1; next}
      found && /^```sh/ {inside=1; next} inside && /^```/ {exit} inside {print}' \
    "$root$project_in_root/README.md"
}

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

build_root() {
  local started mirror
  started=$(date +%s)
  mirror=$(debian_mirror)
  if [ -z "$mirror" ]; then
    log "no bookworm main source in this host's apt configuration"
    record FAIL "debootstrap" "$started"
    return 1
  fi
  if grep -q " $root/" /proc/mounts; then
    log "something is still mounted under $root: unmount it first"
    record FAIL "debootstrap" "$started"
    return 1
  fi
  rm -rf --one-file-system "$root"
  local cache_option=()
  if [ -n "$package_cache" ] && [ -d "$package_cache" ]; then
    cache_option=(--cache-dir="$package_cache")
  fi
  if debootstrap --variant=minbase "${cache_option[@]}" bookworm "$root" "$mirror" \
      >"$report_dir/debootstrap.log" 2>&1; then
    record PASS "debootstrap" "$started"
  else
    tail -n 20 "$report_dir/debootstrap.log"
    record FAIL "debootstrap" "$started"
    return 1
  fi
}

prepare_root() {
  local started
  started=$(date +%s)
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mkdir -p /tmp/.X11-unix
  mount_into_root proc /proc -t proc &&
    mount_into_root sysfs /sys -t sysfs &&
    mount_into_root /dev /dev --bind &&
    mount_into_root /dev/pts /dev/pts --bind &&
    mount_into_root /tmp/.X11-unix /tmp/.X11-unix --bind &&
    git clone --quiet --no-hardlinks "$repository" "$root$project_in_root" &&
    git -C "$root$project_in_root" log -1 --format='clone of %h %s' >"$report_dir/commit.txt"
  local status=$?
  [ $status -eq 0 ] && cat "$report_dir/commit.txt"
  record "$([ $status -eq 0 ] && echo PASS || echo FAIL)" "clean clone into the root" "$started"
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

# Runs the README's run command in its own session, waits for the loan
# window, photographs the screen, then ends that session's processes.
run_step() {
  local command started session_pid verdict=FAIL
  started=$(date +%s)
  command=$(readme_command run-command)
  if [ -z "$command" ]; then
    log "no run command in README.md"
    record FAIL "run command" "$started"
    return 1
  fi
  log "+ $command"
  setsid chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DISPLAY=":$display_number" \
    timeout "$run_limit" bash -c "cd $project_in_root && $command" \
    >"$report_dir/run-command.log" 2>&1 &
  session_pid=$!
  while kill -0 "$session_pid" 2>/dev/null; do
    if window_shown; then
      sleep 3
      verdict=PASS
      log "the loan window \"$window_title\" is on the screen"
      DISPLAY=":$display_number" import -window root "$report_dir/loan-window.png" 2>/dev/null ||
        DISPLAY=":$display_number" xwininfo -root -tree >"$report_dir/windows.txt"
      break
    fi
    sleep 5
  done
  if [ "$verdict" = PASS ]; then
    kill -TERM -- "-$session_pid" 2>/dev/null
    wait "$session_pid" 2>/dev/null
  else
    wait "$session_pid"
    log "run command ended with status $? before the loan window appeared"
    tail -n 30 "$report_dir/run-command.log"
  fi
  record "$verdict" "run command (window shown)" "$started"
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
  in_root timeout "$test_limit" bash -euo pipefail -c "cd $project_in_root && $command" \
    >"$report_dir/test-command.log" 2>&1
  status=$?
  grep -E 'tests passed|tests failed|\(Failed\)|\*\*\*Failed|Not Run' "$report_dir/test-command.log" | tail -n 20
  log "test command ended with status $status"
  record "$([ $status -eq 0 ] && echo PASS || echo FAIL)" "test command" "$started"
}

# Installs the .deb made from the release build, runs the installed programs
# and purges the package again.
deb_step() {
  local started status
  started=$(date +%s)
  in_root bash -c "cd $project_in_root && scripts/deb-roundtrip.sh build/release" \
    >"$report_dir/deb-roundtrip.log" 2>&1
  status=$?
  grep -E '^(built|purged|left behind|sumwright)' "$report_dir/deb-roundtrip.log"
  record "$([ $status -eq 0 ] && echo PASS || echo FAIL)" ".deb install, run, purge" "$started"
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
  local started
  started=$(date +%s)
  log "fresh Debian 12 root in $root, logs in $report_dir"
  if build_root && prepare_root; then
    if start_display; then
      run_step
    else
      record FAIL "X server on the host" "$(date +%s)"
    fi
    test_step
    deb_step
  fi
  record "$([ $failed -eq 0 ] && echo PASS || echo FAIL)" "all" "$started"
  printf '%s\n' "${summary[@]}" | tee "$report_dir/summary.txt"
  exit $failed
}

main
