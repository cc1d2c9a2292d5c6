#!/bin/sh
# The main job: builds everything and runs the disc's programs under Wine.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_install_packages
zor_ensure_locale
zor_ensure_user
zor_build "$build"
echo "The library builds; no program of the disc exists yet, so there is nothing to show."
