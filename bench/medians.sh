# Sourced by the ratio scripts: reading Google Benchmark's console output.

# Median of a benchmark in the console output: real time, or with "cpu"
# the process's CPU time, steadier on a machine that others share.
median() {
  awk -v name="$1" -v column="${3:-real}" \
    'index($1, name) == 1 && $1 ~ /_median$/ { print column == "cpu" ? $4 : $2 }' "$2"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

interleaved=(--benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true)
