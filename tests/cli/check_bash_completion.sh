#!/bin/bash
# Sources the bash completion script in bash and checks what it offers after
# each typed command line, the way bash calls it when Tab is pressed.
# Usage: check_bash_completion.sh SCRIPT
set -u
source "$1"
status=0

# Completes the last word of the line; prints the offers sorted, space-separated.
offers() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  "$(complete -p sumwright-cli | awk '{ print $3 }')" sumwright-cli "${COMP_WORDS[COMP_CWORD]}" \
    "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd ' ' -
}

expect() {
  local want=$1
  shift
  local got
  got=$(offers "$@")
  if [ "$got" != "$want" ]; then
    echo "FAIL: \"$*\" offers \"$got\", not \"$want\""
    status=1
  fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/loans"
touch "$work/loan.txt" "$work/loan 2.txt" "$work/other"
cd "$work" || exit 1

expect "how-long how-much" sumwright-cli how
expect "payment principal" sumwright-cli p
expect "--help --version" sumwright-cli --
expect "--help --version how-long how-much payment principal rate remaining schedule term" sumwright-cli ""
expect "--after --help --locale --payment --principal --rate" sumwright-cli remaining --
expect "--balance" sumwright-cli how-much --rate 6 --b
expect "--append --format --help --locale --principal --rate --save --years" sumwright-cli schedule --
expect "csv" sumwright-cli schedule --format c
expect "csv html json svg text" sumwright-cli schedule --principal 1 --format ""
expect "json" sumwright-cli schedule --format = j
expect "svg" sumwright-cli schedule --format s
expect "csv html json svg text" sumwright-cli schedule --format =
expect "loan 2.txt loan.txt loans" sumwright-cli schedule --save lo
expect "loan 2.txt loan.txt loans" sumwright-cli schedule --append = lo
expect "other" sumwright-cli schedule --append o
# The value of an entry field is the user's to type.
expect "" sumwright-cli payment --principal ""
expect "" sumwright-cli how-long --withdrawal 1

[ $status -eq 0 ] && echo "bash completes every case as expected"
exit $status
