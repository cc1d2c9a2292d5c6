#!/bin/sh
# The main job: builds everything, then plays the sample discs under Wine with `lumora-disc
# try`, as a maker tries their own images: the one-disc sample (build/discs/sample/disc1.iso)
# and the two-disc sample (build/discs/two), whose first disc is changed for the second when
# Setup asks for it and back when it is done. Each walk goes from Autorun through the menu,
# set-up, the game, Config and Chronicle to uninstall, and leaves its report of pictures in
# build/discs/<sample>/try/index.html. The programs show on your display when DISPLAY is set
# and usable, otherwise on a virtual display; ZOR_DPI sets the screen's DPI.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}

zor_install_packages
zor_ensure_locale
zor_ensure_user
zor_build "$build"
# The engine stand-in keeps no record of its starts beside itself: the uninstall would rightly
# leave that file behind.
export ZOR_ENGINE_NO_START_RECORD=1
status=0
for sample in sample two; do
  echo "== lumora-disc try $build/discs/$sample"
  "$build/disc/lumora-disc" try "$build/discs/$sample" ${ZOR_DPI:+--dpi "$ZOR_DPI"} || status=1
done
exit "$status"
