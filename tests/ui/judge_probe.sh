# Sourced by the scaling checks. judge_probe CASE WIDTH SHOWN: SHOWN is
# dpi_probe's output; the case passes when the loan window is WIDTH screen
# pixels wide and no window cuts a caption. Sets failed=1 otherwise.
judge_probe() {
  expected="frmAPIN $2"
  loan=$(echo "$3" | grep '^frmAPIN')
  cut=$(echo "$3" | awk 'NF > 2')
  if [ "$loan" != "$expected" ] || [ -n "$cut" ]; then
    echo "FAIL at $1: want \"$expected\", none cut; got:"
    echo "$3"
    failed=1
  else
    echo "ok at $1: $loan"
  fi
}
