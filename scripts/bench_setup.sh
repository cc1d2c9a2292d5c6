#!/bin/sh
# Benchmark of Setup's copy: installs a generated disc of about 500 MB with the real
# Setup.exe under Wine and, in the same run, copies the same tree with a reference loop that
# calls CopyFileW per file. The page cache is dropped before every run (as root), the two
# alternate over the rounds, and the median of the per-round ratios Setup / CopyFileW is
# printed: absolute seconds are not comparable between runs on shared machines, the ratio is.
# Usage: scripts/bench_setup.sh [rounds]   (default 5)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}
rounds=${1:-5}

zor_benchmark_session "$build"

# The disc: 2000 small files of 1-64 KiB in nested folders, 30 files of 4-8 MB, two of
# 100 MB, all of random bytes; made once and kept in the build folder.
disc="$build/bench/SetupData"
if [ ! -f "$disc/.complete" ]; then
  echo "== generating the benchmark disc in $disc"
  rm -rf "$disc"
  mkdir -p "$disc/GameData/media"
  zor_make_small_files "$disc/GameData/small" 20 10 10 64
  for m in $(seq 1 30); do
    head -c $(( (4 + m % 5) * 1048576 )) /dev/urandom > "$disc/GameData/media/m$m.bin"
  done
  head -c 104857600 /dev/urandom > "$disc/GameData/big1.bin"
  head -c 104857600 /dev/urandom > "$disc/GameData/big2.bin"
  cp "$root/tests/data/disc1/SetupData/Setup.ico" "$disc/"
  printf '%s\n' '#GAME_TITLE = "ベンチマーク"' '#REG_PATH = "ZorBench\\Disc"' '#SETUP_FILE = "small"' \
    '#SETUP_FILE = "media"' '#SETUP_FILE = "big1.bin"' '#SETUP_FILE = "big2.bin"' | iconv -f UTF-8 -t CP932 > "$disc/Setup.ini"
  touch "$disc/.complete"
fi
echo "== disc: $(find "$disc/GameData" -type f | wc -l) files, $(du -sm "$disc/GameData" | cut -f1) MB"

windows_disc="Z:$(printf '%s' "$disc" | sed 's|/|\\|g')"

# Writes everything back and drops the page cache (each run deletes its copy afterwards).
prepare_run() {
  sync
  if [ "$(id -u)" = 0 ]; then echo 3 > /proc/sys/vm/drop_caches; fi
}

# One timed run; prints its seconds.
timed_run() {
  prepare_run
  ZOR_BENCH_MODE=$1 ZOR_BENCH_DISC="$windows_disc" ZOR_SOURCE_DIR="$root" \
    ZOR_BINARY_DIR="$build" "$root/scripts/wine-run" "$build/tests/SetupBench.exe" --gtest_brief=1 |
    sed -n 's/^seconds //p'
}

[ "$(id -u)" = 0 ] || echo "note: not root, so the page cache is not dropped between runs"
ratios=""
i=1
while [ "$i" -le "$rounds" ]; do
  # The order alternates, so that neither side always runs first.
  if [ $((i % 2)) = 1 ]; then
    s=$(timed_run setup); c=$(timed_run copy)
  else
    c=$(timed_run copy); s=$(timed_run setup)
  fi
  r=$(awk -v s="$s" -v c="$c" 'BEGIN { printf "%.3f", s / c }')
  echo "round $i: Setup $s s, CopyFileW $c s, ratio $r"
  ratios="$ratios $r"
  i=$((i + 1))
done
ZOR_BENCH_MODE=cleanup "$root/scripts/wine-run" "$build/tests/SetupBench.exe" --gtest_brief=1 >/dev/null
median=$(printf '%s\n' $ratios | sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median ratio Setup / CopyFileW over $rounds rounds: $median"
