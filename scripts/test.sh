#!/bin/sh
# Runs the tests: installs what is missing, builds, runs ctest under Wine on a virtual display,
# and the parsing core's native tests and fuzz smoke runs (host clang, sanitizers).
#
#   scripts/test.sh                          everything
#   scripts/test.sh -R unit_text             only the tests that ctest selects (any ctest
#                                            arguments); the native build is built and run
#                                            only when they name it (native_*, fuzz_*)
#                                            (the long tests, label "long", run only when
#                                            the arguments name them: -R e2e_setup_long)
#   scripts/test.sh -f 'CommandLine.*' -R unit_cmdline
#                                            -f passes a GoogleTest filter to every selected
#                                            test executable
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
. "$root/scripts/native.sh"
build=${ZOR_BUILD_DIR:-$root/build}

if [ "${1:-}" = "-f" ]; then
  [ $# -ge 2 ] || { echo "usage: scripts/test.sh [-f GTEST_FILTER] [ctest arguments]"; exit 2; }
  export GTEST_FILTER="$2"
  shift 2
fi
# With no selection everything runs; a selection reaches the native build only by its names.
run_native=1
if [ $# -gt 0 ]; then
  case "$*" in
    *native*|*fuzz*) ;;
    *) run_native=0 ;;
  esac
fi

# A selection leaves out the long tests unless it names them.
if [ $# -gt 0 ]; then
  case "$*" in
    *long*) ;;
    *) set -- "$@" -LE long ;;
  esac
fi

zor_install_packages chromium
[ "$run_native" -eq 0 ] || zor_install_packages clang libclang-rt-14-dev
zor_ensure_locale
zor_ensure_user
zor_build "$build"
# The native run's failure is reported after the Wine run, so that both always run.
native=0
if [ "$run_native" -eq 1 ]; then
  zor_build_native "$build/native"
  ctest --test-dir "$build/native" --output-on-failure -j2 "$@" || native=$?
fi
selected=$(ctest --test-dir "$build" -N "$@" | sed -n 's/^Total Tests: *//p')
if [ "${selected:-0}" -gt 0 ]; then
  trap zor_stop_session EXIT INT TERM
  zor_start_display
  zor_prepare_prefix "$build/wineprefix"
  zor_mount_small_drive "$build/small-drive"
  zor_map_disc "$build/discs/sample/disc1.iso" "$build/sample_disc" "$build/disc-mount"
  ctest --test-dir "$build" --output-on-failure -j2 "$@"
fi
[ "$native" -eq 0 ] || { echo "== native tests failed"; exit "$native"; }
