#!/bin/sh
# The session of `lumora-disc try` (run by the tool, from the folder of what it ships):
#   try.sh REPORT_DIR DISC1_IMAGE [DISC2_IMAGE]
# Mounts the first image read-only (fuseiso; without FUSE its files are extracted with
# osirrox) as the CD-ROM drive D: of a new Wine prefix in a folder of the tool's own below
# $XDG_CACHE_HOME/lumora-disc, on the maker's display when DISPLAY is usable (else a virtual
# one), and runs TryWalk.exe there once per DPI of ZOR_TRY_DPIS; the disc changes that the
# walk asks for are done here. Each walk's pictures (PNG) and record walk.txt go into
# REPORT_DIR/<dpi>dpi, the way the disc was read into REPORT_DIR/disc-source.txt.
# ZOR_TRY_KEEP=1 keeps the prefix, ZOR_TRY_INTERACTIVE=1 lets the maker click. Exit status
# 0 when every walk ran (its outcome is in walk.txt), 2 when it could not try: the reason is
# in the file ZOR_TRY_REASON. The mount, the drive and the display are undone on every way out.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
. "$root/scripts/session.sh"
report=$1
shift
dpis=${ZOR_TRY_DPIS:-96}

cannot() {
  echo "$1" > "${ZOR_TRY_REASON:-/dev/stderr}"
  exit 2
}
for command in wine wineserver convert; do
  command -v "$command" >/dev/null 2>&1 || cannot "no $command: install the Debian packages wine64 wine imagemagick"
done
for image in "$@"; do
  [ -f "$image" ] || cannot "no image $image"
done
zor_ensure_locale >/dev/null
zor_ensure_user

# As root, Wine's user cannot enter root's home: the folder lies in that user's home then.
if [ -n "${XDG_CACHE_HOME:-}" ]; then
  cache=$XDG_CACHE_HOME
elif [ "$(id -u)" = 0 ]; then
  cache=$(getent passwd "$ZOR_TEST_USER" | cut -d: -f6)/.cache
else
  cache=$HOME/.cache
fi
if [ "$(id -u)" = 0 ] && [ -z "${XDG_CACHE_HOME:-}" ]; then
  zor_as_user mkdir -p "$cache/lumora-disc"
else
  mkdir -p "$cache/lumora-disc"
fi
session_dir=$(mktemp -d "$cache/lumora-disc/try-XXXXXX")
chmod 755 "$session_dir"
[ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$session_dir"

changer=""
finish() {
  [ -z "$changer" ] || kill "$changer" 2>/dev/null || true
  zor_stop_session
  if [ "${ZOR_TRY_KEEP:-}" = 1 ]; then
    echo "== kept: $session_dir (the prefix: $session_dir/prefix)"
  else
    chmod -R u+w "$session_dir" 2>/dev/null || true
    rm -rf "$session_dir"
  fi
}
trap finish EXIT
trap 'exit 130' INT TERM HUP

# The discs: fuseiso mounts the image read-only; without FUSE the image's files are
# extracted (osirrox) and the folder stands in for the disc.
mount=$session_dir/drive
mkdir -p "$mount"
[ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$mount"
disc_source="osirrox"
if command -v fuseiso >/dev/null 2>&1 && [ -c /dev/fuse ] && fuseiso "$1" "$mount" $(zor_fuse_options) 2>/dev/null; then
  ZOR_DISC_MOUNT=$mount
  disc_source="fuseiso"
  disc_root=$mount
else
  command -v osirrox >/dev/null 2>&1 || cannot "cannot mount $1: no FUSE (fuseiso) and no osirrox: install the Debian package fuseiso or xorriso"
  number=0
  for image in "$@"; do
    number=$((number + 1))
    zor_as_user osirrox -indev "$image" -extract / "$session_dir/disc$number" >/dev/null 2>&1 ||
      cannot "cannot read $image with osirrox"
  done
  disc_root=$session_dir/disc1
fi
echo "$disc_source" > "$report/disc-source.txt"

if [ -n "${DISPLAY:-}" ] && zor_as_user xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  echo "== the programs show on your display $DISPLAY"
else
  [ "${ZOR_TRY_INTERACTIVE:-}" = 1 ] && cannot "--interactive needs a usable DISPLAY to show the programs on"
  command -v Xvfb >/dev/null 2>&1 || cannot "no usable DISPLAY and no Xvfb: install the Debian package xvfb"
  zor_start_display
  echo "== the programs show on a virtual display ($DISPLAY)"
fi
ZOR_DPI=$(echo "$dpis" | cut -d' ' -f1)
export ZOR_DPI
zor_prepare_prefix "$session_dir/prefix"
# Wine links the user's Desktop, Documents and the other shell folders to the Unix home (its
# XDG folders, else the home itself); on Windows they are folders of the profile. Folders of
# the prefix's own keep the walk's shortcut and save data out of the maker's home, and the
# residue check inside the prefix.
for folder in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$folder" ]; then
    rm -f "$folder"
    zor_as_user mkdir "$folder"
  fi
done
zor_map_disc "" "$disc_root" "$mount"
echo "== disc 1 in drive D: ($disc_source)"

windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }
for dpi in $dpis; do
  zor_prefix_dpi "$dpi"
  zor_as_user env WINEPREFIX="$WINEPREFIX" wineserver -w
  shots=$session_dir/shots-$dpi changes=$session_dir/changes-$dpi
  zor_as_user mkdir -p "$shots" "$changes"
  # The disc changes that the walk asks for: it writes the disc's number into the file
  # request of $changes and waits for the file done.
  (
    while [ -d "$changes" ]; do
      if [ -f "$changes/request" ]; then
        number=$(cat "$changes/request")
        rm -f "$changes/request"
        case "$number" in 1|2) ;; *) continue ;; esac
        eval "image=\${$number}"
        zor_change_disc "$image" "$session_dir/disc$number"
        echo "== disc $number in drive D:"
        zor_as_user touch "$changes/done"
      fi
      sleep 0.2
    done
  ) &
  changer=$!
  echo "== the walk at $dpi DPI"
  ZOR_WALK_FOLDER=$(windows_path "$shots") ZOR_DISC_CHANGE=$(windows_path "$changes") ZOR_DISC_DRIVE=D: \
    ZOR_WALK_INTERACTIVE=${ZOR_TRY_INTERACTIVE:-0} "$root/scripts/wine-run" "$root/TryWalk.exe" --gtest_brief=1 >&2 &
  # Waited for in the background, so that a signal ends the session at once (the shell runs a
  # trap only after a foreground command has ended).
  wait $! || true
  rm -rf "$changes"
  wait "$changer" 2>/dev/null || true
  changer=""
  zor_as_user env WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
  pictures=$report/${dpi}dpi
  rm -rf "$pictures"
  mkdir -p "$pictures"
  for picture in "$shots"/*.bmp; do
    [ -f "$picture" ] || continue
    name=$(basename "$picture" .bmp)
    convert "$picture" "$pictures/$name.png"
  done
  [ -f "$shots/walk.txt" ] && cp "$shots/walk.txt" "$pictures/walk.txt"
done
