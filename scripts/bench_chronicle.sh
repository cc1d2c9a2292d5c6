#!/bin/sh
# Benchmark of Chronicle following a fast engine: for each count N of lines (default 100000
# and 1000000), the engine stand-in writes N lines of 80 characters as fast as it can and
# ChronicleBench.exe measures, under Wine:
#   - the time from the click on "実行" until all N rows are in the list (this includes the
#     2 s that Chronicle waits before its first look at the log),
#   - how long the window takes to answer a WM_NULL sent every 20 ms throughout (longest,
#     99th percentile), launch and relaunch included,
#   - Chronicle's peak working set, and the time a relaunch takes to empty the N rows;
# and in the same run the reference: the same N rows inserted into a report list view in
# one go with its redraw off. Prints the figures and the ratio Chronicle / reference.
# Usage: scripts/bench_chronicle.sh [N ...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}
[ "$#" -gt 0 ] || set -- 100000 1000000

zor_benchmark_session "$build"

# One run of ChronicleBench.exe; prints its "figures" line without the word.
bench() {
  ZOR_BENCH_MODE=$1 ZOR_BENCH_LINES=$2 ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
    "$root/scripts/wine-run" "$build/tests/ChronicleBench.exe" --gtest_brief=1 | sed -n 's/^figures //p'
}

# The value after name in a figures line.
value() { printf '%s\n' "$1" | awk -v name="$2" '{ for (i = 1; i < NF; i++) if ($i == name) print $(i + 1) }'; }

for lines in "$@"; do
  reference=$(bench reference "$lines")
  chronicle=$(bench chronicle "$lines")
  r=$(value "$reference" reference_rows_ms)
  c=$(value "$chronicle" rows_ms)
  echo "== $lines lines"
  echo "reference: $reference"
  echo "chronicle: $chronicle"
  awk -v c="$c" -v r="$r" 'BEGIN { printf "rows in the list: Chronicle %.1f s, reference %.1f s, ratio %.2f\n", c / 1000, r / 1000, c / r }'
done
