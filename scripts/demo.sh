#!/bin/sh
# The main job: builds everything, then plays the sample discs under Wine: the image that
# lumora-disc wrote (build/discs/sample/disc1.iso) is mounted read-only and put into the
# prefix's CD-ROM drive D: (as root; otherwise its disc folder stands in), Autorun starts
# from there, and the walk goes through the menu (Foyer), set-up through Setup, the game,
# the second page and uninstall; then Setup with the two-disc sample, from the image of its
# first disc, which is changed for the second when Setup asks for it (the image unmounted,
# the other mounted) and back for the uninstall. A screenshot of every step is saved. The
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
echo "== Setup from the two-disc sample (tests/data/disc2, grown by a 256 MB film and 3000 voice files)"
two="$build/discs/two"
zor_change_disc "$two/disc1.iso" "$build/two_disc/disc1"
echo "== disc 1 in drive D:: $ZOR_DISC_SOURCE"
# The disc changes that SetupDemo asks for: it writes the disc's number into the file
# request of this folder and waits for the file done.
changes="$build/disc-changes"
rm -rf "$changes"
mkdir -p "$changes"
[ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$changes"
(
  while [ -d "$changes" ]; do
    if [ -f "$changes/request" ]; then
      number=$(cat "$changes/request")
      rm -f "$changes/request"
      zor_change_disc "$two/disc$number.iso" "$build/two_disc/disc$number"
      echo "== disc $number in drive D:: $ZOR_DISC_SOURCE"
      zor_as_user touch "$changes/done"
    fi
    sleep 0.2
  done
) &
changer=$!
export ZOR_DISC_CHANGE="Z:$(printf '%s' "$changes" | sed 's|/|\\|g')"
status=0
run_demo setup SetupDemo.exe || status=$?
rm -rf "$changes"
wait "$changer" 2>/dev/null || true
exit "$status"
