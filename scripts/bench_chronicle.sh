#!/bin/sh
# Benchmark of Chronicle following a fast engine: for each count N of lines (default 100000
# and 1000000), the engine stand-in writes N lines of 80 characters as fast as it can, then
# N lines in pieces of random sizes (1 byte to 64 KiB, cut inside lines and double-byte
# characters) at random moments (0-20 ms apart; ZOR_BENCH_SEED, default 1), and
# ChronicleBench.exe measures, under Wine:
#   - the time from the click on "実行" until the first N rows are in the list (this
#     includes the 2 s that Chronicle waits before its first look at the log), until the
#     engine has written everything, and until Chronicle has read it all,
#   - how long the window takes to answer a WM_NULL sent every 20 ms throughout (longest,
#     99th percentile), launch, save and relaunch included, and apart while the log is
#     followed and while the window stands idle for 5 s before the click (what the
#     machine's load alone costs an answer),
#   - Chronicle's peak working set, and the time a relaunch takes to empty the rows;
# then checks the saved rows line by line against the log and the engine's writes ("exact
# yes": every line one row, or cut only where a read could have ended, in order, none
# missing or doubled); and in the same run the reference: N rows inserted into a report
# list view in one go with its redraw off. Prints the figures and the ratio Chronicle /
# reference.
# Usage: scripts/bench_chronicle.sh [N ...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}
[ "$#" -gt 0 ] || set -- 100000 1000000

zor_benchmark_session "$build"

# One run of ChronicleBench.exe; prints its "figures" line without the word, and its row
# check ("rows ...") into rows.txt.
bench() {
  ZOR_BENCH_MODE=$1 ZOR_BENCH_LINES=$2 ZOR_BENCH_BURST_LINES=$2 ZOR_BENCH_SEED=${ZOR_BENCH_SEED:-1} \
    ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
    "$root/scripts/wine-run" "$build/tests/ChronicleBench.exe" --gtest_brief=1 >"$build/bench_chronicle.out"
  sed -n 's/^rows //p' "$build/bench_chronicle.out" >"$build/bench_chronicle.rows"
  sed -n 's/^figures //p' "$build/bench_chronicle.out"
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
  echo "rows: $(cat "$build/bench_chronicle.rows")"
  awk -v c="$c" -v r="$r" 'BEGIN { printf "rows in the list: Chronicle %.1f s, reference %.1f s, ratio %.2f\n", c / 1000, r / 1000, c / r }'
done
