#!/bin/sh
# The main job: builds everything, then runs Setup on the sample disc under Wine and walks
# through an install and an uninstall, saving a screenshot of every dialog. The programs
# show on your display when DISPLAY is set and usable, otherwise on a virtual display.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_install_packages
zor_ensure_locale
zor_ensure_user
zor_build "$build"
trap zor_stop_session EXIT INT TERM
if [ -n "${DISPLAY:-}" ] && zor_as_user xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  echo "== the programs show on your display $DISPLAY"
else
  zor_start_display
  echo "== the programs show on a virtual display ($DISPLAY)"
fi
zor_prepare_prefix "$build/wineprefix"

shots="$root/screenshots/setup-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$shots"
[ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$shots"
echo "== Setup on the sample disc (tests/data/disc2, grown by a 1 GB film and 3000 voice files)"
ZOR_DEMO_SHOTS="Z:$(printf '%s' "$shots" | sed 's|/|\\|g')" ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
  "$root/scripts/wine-run" "$build/tests/SetupDemo.exe" --gtest_brief=1
for picture in "$shots"/*.bmp; do
  convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "== screenshots of every dialog: $shots"
ls "$shots"
