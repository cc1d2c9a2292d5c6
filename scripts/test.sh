#!/bin/sh
# Runs every test: installs what is missing, builds, runs the parsing core's native tests and
# fuzz smoke runs (host clang, sanitizers), then ctest under Wine on a virtual display.
# Extra arguments go to both ctest runs (for example: scripts/test.sh -R unit_text).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
. "$root/scripts/native.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_install_packages clang libclang-rt-14-dev
zor_ensure_locale
zor_ensure_user
zor_build "$build"
zor_build_native "$build/native"
# The native run's failure is reported after the Wine run, so that both always run.
native=0
ctest --test-dir "$build/native" --output-on-failure -j2 "$@" || native=$?
trap zor_stop_session EXIT INT TERM
zor_start_display
zor_prepare_prefix "$build/wineprefix"
zor_mount_small_drive "$build/small-drive"
ctest --test-dir "$build" --output-on-failure -j2 "$@"
[ "$native" -eq 0 ] || { echo "== native tests failed"; exit "$native"; }
