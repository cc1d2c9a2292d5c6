#!/bin/sh
# Runs every fuzz target of the parsing core (or the ones named) for a given time and prints
# executions, coverage and findings per target. Usage:
#   scripts/fuzz.sh [-t SECONDS] [-j PARALLEL] [fuzz_target ...]     (default: 60 s, 1 at a time)
# Each target resumes from its own corpus in build/native/fuzz/<target>/corpus (seeded from
# tests/fuzz/corpus/<target>); crashes, leaks and timeouts land in .../findings/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
. "$root/scripts/native.sh"
build=${ZOR_BUILD_DIR:-$root/build}/native
seconds=60
parallel=1
while getopts t:j: opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    j) parallel=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

zor_install_packages clang libclang-rt-14-dev
zor_build_native "$build" >/dev/null
if [ $# -eq 0 ]; then
  set -- $(cd "$root/tests/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')
fi

run_target() {
  target=$1
  work=$build/fuzz/$target
  mkdir -p "$work/corpus" "$work/findings"
  # Findings of an earlier run were turned into unit tests (or are still in its log).
  rm -f "$work/findings/"*
  nice -n 10 "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$root/tests/fuzz/corpus/$target" \
    >"$work/last.log" 2>&1 || true
}

# Runs the targets, at most $parallel at a time.
running=0
for target in "$@"; do
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait
    running=0
  fi
done
wait

status=0
printf '%-22s %12s %10s %8s %8s %9s\n' target executions "exec/s" cov ft findings
for target in "$@"; do
  work=$build/fuzz/$target
  log=$work/last.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  findings=$(find "$work/findings" -type f | wc -l)
  printf '%-22s %12s %10s %8s %8s %9s\n' "$target" "${runs:--}" "${speed:--}" "${cov:--}" "${ft:--}" "$findings"
  if [ "$findings" -gt 0 ] || grep -q 'ERROR: libFuzzer\|SUMMARY: .*Sanitizer' "$log"; then
    status=1
    find "$work/findings" -type f -exec echo "  finding: {}" \;
    echo "  log: $log"
  fi
done
exit $status
