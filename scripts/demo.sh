#!/bin/sh
# The main job: builds everything, then plays the sample disc under Wine: its image (built
# as build/sample_disc.iso) is mounted read-only and put into the prefix's CD-ROM drive D:
# (as root; otherwise the disc folder stands in), Autorun starts from there, and the walk
# goes through the menu (Foyer), set-up through Setup, the game, the second page and
# uninstall; then Setup on its own with two discs. A screenshot of every step is saved. The
# programs show on your display when DISPLAY is set and usable, otherwise on a virtual
# display. The drive is unmapped and the image unmounted on every way out.
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
zor_map_disc "$build/discs/sample/disc1.iso" "$build/sample_disc" "$build/disc-mount"

stamp=$(date +%Y%m%d-%H%M%S)
# Runs a demo program of build/tests with its screenshots in screenshots/<name>-<stamp>.
run_demo() {
  shots="$root/screenshots/$1-$stamp"
  mkdir -p "$shots"
  [ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$shots"
  ZOR_DEMO_SHOTS="Z:$(printf '%s' "$shots" | sed 's|/|\\|g')" ZOR_SOURCE_DIR="$root" ZOR_BINARY_DIR="$build" \
    "$root/scripts/wine-run" "$build/tests/$2" --gtest_brief=1
  for picture in "$shots"/*.bmp; do
    convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
  done
  echo "== screenshots: $shots"
  ls "$shots"
}

echo "== the sample disc in drive ${ZOR_DISC_DRIVE:-(none)}: ${ZOR_DISC_SOURCE:-}"
echo "== Autorun, the menu, set-up, the game, the second page, uninstall"
run_demo disc DiscDemo.exe
echo "== Setup on its own (tests/data/disc2, grown by a 1 GB film and 3000 voice files)"
run_demo setup SetupDemo.exe
