# Shared set-up of the test and demo commands (sourced, not run; the caller sets root to the
# project folder first, so that every script works from any current folder):
# Debian packages, the unprivileged test user, a Wine prefix private to the build folder,
# and an Xvfb display that is stopped again (by its PID) when the calling script exits.

ZOR_PACKAGES="mingw-w64 g++-mingw-w64-x86-64-posix wine64 wine xvfb libboost-dev googletest
  cmake ninja-build fonts-ipafont-gothic imagemagick locales x11-utils genisoimage fuseiso
  g++ pkg-config libisofs-dev xorriso
  osslsigncode openssl"

# Installs the Debian packages that are missing, and only those.
zor_install_packages() {
  missing=""
  for p in $ZOR_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "== installing:$missing"
  if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo -n"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
}

# Generates the Japanese UTF-8 locale when the system lacks it (Wine takes code page 932 from it).
zor_ensure_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  [ "$(id -u)" = 0 ] || { echo "note: locale ja_JP.UTF-8 missing (run locale-gen as root)"; return 0; }
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
}

# As root, Wine runs as the unprivileged user ZOR_TEST_USER (created here when missing).
zor_ensure_user() {
  export ZOR_TEST_USER=${ZOR_TEST_USER:-zortest}
  [ "$(id -u)" = 0 ] || return 0
  id "$ZOR_TEST_USER" >/dev/null 2>&1 || useradd -m "$ZOR_TEST_USER"
}

# Runs a command as the user that runs Wine.
zor_as_user() {
  if [ "$(id -u)" = 0 ]; then runuser -u "$ZOR_TEST_USER" -- "$@"; else "$@"; fi
}

# Starts Xvfb on a free display; ZOR_XVFB_PID remembers it for zor_stop_session.
zor_start_display() {
  n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  ZOR_XVFB_PID=$!
  export DISPLAY=:$n
  i=0
  while [ ! -e /tmp/.X11-unix/X$n ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
}

# What a prepared prefix holds beyond Wine's own set-up; raise it when zor_prefix_settings
# changes, so that existing prefixes (CI's, other worktrees') get the new settings too.
ZOR_PREFIX_VERSION=2

# Creates the Wine prefix once (reused by later runs) with the settings the GUI tests need,
# brings a prefix of an older version up to date, and sets the screen's DPI to ZOR_DPI
# (default 96) before any program of this run starts.
zor_prepare_prefix() {
  # No winemenubuilder: each shortcut made on the Windows desktop would leave a .desktop
  # file behind in the test user's home.
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LC_ALL=ja_JP.UTF-8
  run="$root/scripts/wine-run"
  if [ ! -f "$WINEPREFIX/.zor-ready" ]; then
    echo "== creating Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    [ "$(id -u)" = 0 ] && chown "$ZOR_TEST_USER": "$WINEPREFIX"
    "$run" wineboot -i >/dev/null 2>&1
    # One desktop window for every program: no 2 s wait per hidden window on a bare display.
    "$run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    # A crash ends the process at once instead of waiting behind the crash dialog.
    "$run" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    zor_as_user touch "$WINEPREFIX/.zor-ready"
  fi
  if [ "$(cat "$WINEPREFIX/.zor-ready")" != "$ZOR_PREFIX_VERSION" ]; then
    zor_prefix_settings
    zor_as_user sh -c "echo $ZOR_PREFIX_VERSION > '$WINEPREFIX/.zor-ready'"
  fi
  zor_prefix_dpi "${ZOR_DPI:-96}"
  zor_as_user env WINEPREFIX="$WINEPREFIX" wineserver -w
}

# Fonts as a Japanese Windows has them: Marlett draws the captions' buttons (Wine ships it
# but does not put it into the prefix), and the dialog font names fall on a proportional
# Japanese font. Wine follows one substitution only, and its own maps "MS Shell Dlg" to
# "MS UI Gothic", which it does not have; so each name is mapped straight to IPA P Gothic.
zor_prefix_settings() {
  echo "== bringing Wine prefix $WINEPREFIX to version $ZOR_PREFIX_VERSION"
  zor_as_user cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
  for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
    "$run" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v "$face" \
      /d "IPAPGothic" /f >/dev/null 2>&1
  done
}

# The screen's DPI ($1) that every program started afterwards reads at its start (Wine takes
# it from HKCU\Control Panel\Desktop, LogPixels). Written only when the prefix holds
# another value, so a reused prefix goes from 144 back to 96 as well.
zor_prefix_dpi() {
  case "$1" in
    ''|*[!0-9]*) echo "ZOR_DPI must be a number of dots per inch (96, 144, 192): $1"; exit 2 ;;
  esac
  # A new prefix's wineserver may not have written user.reg yet: then nothing is known.
  now=$(awk '/^\[/ { inside = ($0 ~ /^\[Control Panel\\\\Desktop\]/) }
    inside && /^"LogPixels"=dword:/ { sub(/^"LogPixels"=dword:/, ""); print }' "$WINEPREFIX/user.reg" 2>/dev/null || true)
  [ "$1" = 96 ] || echo "== screen at $1 DPI"
  [ -n "$now" ] && [ $((0x$now)) -eq "$1" ] && return 0
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# A small drive for the tests of a full disk: as root, a 120 MB tmpfs mounted in the build
# folder and mapped as Wine drive T:, announced to the tests as ZOR_SMALL_DRIVE. Without
# root nothing is mounted and those tests skip with a message.
zor_mount_small_drive() {
  [ "$(id -u)" = 0 ] || { echo "note: not root, no small drive: the full-disk tests skip"; return 0; }
  ZOR_SMALL_DRIVE_DIR=$1
  mkdir -p "$ZOR_SMALL_DRIVE_DIR"
  mountpoint -q "$ZOR_SMALL_DRIVE_DIR" || mount -t tmpfs -o size=120m,mode=0755,uid="$(id -u "$ZOR_TEST_USER")",gid="$(id -g "$ZOR_TEST_USER")" tmpfs "$ZOR_SMALL_DRIVE_DIR" || {
    echo "note: the small drive could not be mounted: the full-disk tests skip"; ZOR_SMALL_DRIVE_DIR=""; return 0; }
  ln -sfn "$ZOR_SMALL_DRIVE_DIR" "$WINEPREFIX/dosdevices/t:"
  export ZOR_SMALL_DRIVE=T:
}

# The sample disc in the prefix's CD-ROM drive D:, as a player's machine has it: as root,
# the image $1 is mounted read-only with fuseiso at $3; otherwise (or when that fails) the
# disc folder $2 stands in. The drive type is set before the prefix's wineserver starts,
# else the drive reads as fixed. ZOR_DISC_DRIVE names the drive, ZOR_DISC_SOURCE what it
# holds; zor_stop_session unmaps and unmounts it.
zor_map_disc() {
  [ -d "$2" ] || { echo "note: no disc folder $2: no disc drive"; return 0; }
  disc_root=$2
  ZOR_DISC_SOURCE="the disc folder $2"
  if [ "$(id -u)" = 0 ] && [ -f "$1" ]; then
    mkdir -p "$3"
    mountpoint -q "$3" && fusermount -u "$3"
    if fuseiso "$1" "$3" $(zor_fuse_options); then
      ZOR_DISC_MOUNT=$3
      disc_root=$3
      ZOR_DISC_SOURCE="the image $1"
    else
      echo "note: the disc image could not be mounted: the disc folder stands in"
    fi
  fi
  if ! grep -q '^"d:"="cdrom"' "$WINEPREFIX/system.reg" 2>/dev/null; then
    "$root/scripts/wine-run" reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f >/dev/null 2>&1
    zor_as_user env WINEPREFIX="$WINEPREFIX" wineserver -w
  fi
  ln -sfn "$disc_root" "$WINEPREFIX/dosdevices/d:"
  ZOR_DISC_LINK="$WINEPREFIX/dosdevices/d:"
  export ZOR_DISC_DRIVE=D: ZOR_DISC_SOURCE
}

# fuseiso's options: as root the mount is opened to Wine's user (allow_other); a user who runs
# Wine themselves reads their own mount.
zor_fuse_options() {
  [ "$(id -u)" = 0 ] && echo "-o allow_other"
  return 0
}

# Changes the disc in drive D: that zor_map_disc made: the mounted image is unmounted (lazily
# when a program still holds one of its files open; the programs then read the new disc as
# after a real change) and the image $1 mounted in its place; without a mounted image the
# disc folder $2 stands in.
zor_change_disc() {
  if [ -n "${ZOR_DISC_MOUNT:-}" ]; then
    fusermount -u "$ZOR_DISC_MOUNT" 2>/dev/null || fusermount -u -z "$ZOR_DISC_MOUNT"
    fuseiso "$1" "$ZOR_DISC_MOUNT" $(zor_fuse_options) || { echo "note: $1 could not be mounted"; return 1; }
    ZOR_DISC_SOURCE="the image $1"
  else
    ln -sfn "$2" "$ZOR_DISC_LINK"
    ZOR_DISC_SOURCE="the disc folder $2"
  fi
}

zor_stop_session() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    zor_as_user env WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${ZOR_DISC_LINK:-}" ]; then
    rm -f "$ZOR_DISC_LINK"
  fi
  if [ -n "${ZOR_DISC_MOUNT:-}" ]; then
    fusermount -u "$ZOR_DISC_MOUNT" 2>/dev/null || fusermount -u -z "$ZOR_DISC_MOUNT" 2>/dev/null || true
  fi
  if [ -n "${ZOR_XVFB_PID:-}" ]; then
    kill "$ZOR_XVFB_PID" 2>/dev/null || true
    wait "$ZOR_XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "${ZOR_SMALL_DRIVE_DIR:-}" ]; then
    rm -f "$WINEPREFIX/dosdevices/t:"
    umount -l "$ZOR_SMALL_DRIVE_DIR" 2>/dev/null || true
  fi
}

# ccache, when the machine has it, serves the compilers: several checkouts of the project
# (relative to their own roots) then share what was compiled once.
zor_compiler_launcher() {
  command -v ccache >/dev/null 2>&1 || return 0
  echo "-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
}

# Configures and builds the Windows programs and tests into $1.
zor_build() {
  if [ ! -f "$1/build.ninja" ]; then
    cmake -S "$root" -B "$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      $(zor_compiler_launcher) >/dev/null
  fi
  command -v ccache >/dev/null 2>&1 && export CCACHE_BASEDIR="$root"
  cmake --build "$1"
}

# The whole session of a benchmark in build folder $1: packages, locale, user, the build,
# then a virtual display and the Wine prefix, stopped again when the calling script exits.
zor_benchmark_session() {
  zor_install_packages
  zor_ensure_locale
  zor_ensure_user
  zor_build "$1"
  trap zor_stop_session EXIT INT TERM
  zor_start_display
  zor_prepare_prefix "$1/wineprefix"
}

# Fills folder $1 with $2 x $3 folders (d01/e01 ...) of $4 files each (f01.dat ...) of random
# bytes, 1 to $5 KiB, the sizes spread by a fixed rule so that every run makes the same sizes.
zor_make_small_files() {
  n=0
  for a in $(seq -w 1 "$2"); do
    for b in $(seq -w 1 "$3"); do
      mkdir -p "$1/d$a/e$b"
      for c in $(seq -w 1 "$4"); do
        n=$((n + 1))
        head -c $(( (n * 7919 % $5 + 1) * 1024 )) /dev/urandom > "$1/d$a/e$b/f$c.dat"
      done
    done
  done
}
