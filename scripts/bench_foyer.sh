#!/bin/sh
# Benchmark of Foyer's start: the time from starting Foyer on a copy of the sample disc to
# its menu being visible, against OneDialog.exe (the plainest program that shows one
# dialog), started alternately, in the same run. Prints every round and the medians with
# their ratio Foyer / OneDialog. Target: at most 1.5.
# Usage: scripts/bench_foyer.sh [rounds]   (default 10)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_benchmark_session "$build"
echo "== Foyer's menu against one dialog, ${1:-10} rounds each, alternating"
ZOR_BENCH_ROUNDS=${1:-10} ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
  "$root/scripts/wine-run" "$build/tests/FoyerBench.exe" --gtest_brief=1
