#!/bin/sh
# Runs every test: installs what is missing, builds, and runs ctest under Wine on a virtual display.
# Extra arguments go to ctest (for example: scripts/test.sh -R unit_text).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_install_packages
zor_ensure_locale
zor_ensure_user
zor_build "$build"
trap zor_stop_session EXIT INT TERM
zor_start_display
zor_prepare_prefix "$build/wineprefix"
ctest --test-dir "$build" --output-on-failure -j2 "$@"
