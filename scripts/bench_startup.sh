#!/bin/sh
# Benchmark of the programs' start: for Setup (to its setup dialog, from a copy of the
# sample disc), Foyer (to the menu), Autorun (from its start to the menu of Foyer's
# temporary copy), Config (to its dialog) and Chronicle (to its window, with a log of
# 100,000 lines present), the time from the process start to that window being visible,
# against OneDialog.exe (the plainest program that shows one dialog; for Autorun started by
# OneLauncher.exe, which first copies the same two programs into the temporary folder),
# started alternately, in the same run. Prints every round and, per program, the medians
# with their ratio program / reference. Target: at most 1.5 each.
# Usage: scripts/bench_startup.sh [rounds] [programs]   (default 10; Setup,Foyer,Autorun,Config,Chronicle)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}
programs=$(printf '%s' "${2:-Setup,Foyer,Autorun,Config,Chronicle}" | sed 's/,/:StartupBench./g')

zor_benchmark_session "$build"
echo "== start-up against one dialog, ${1:-10} rounds each, alternating"
ZOR_BENCH_ROUNDS=${1:-10} ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
  "$root/scripts/wine-run" "$build/tests/StartupBench.exe" --gtest_brief=1 --gtest_filter="StartupBench.$programs"
