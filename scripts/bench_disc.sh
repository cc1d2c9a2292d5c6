#!/bin/sh
# Benchmark of lumora-disc's image writing: a generated game of about 1 GB (10,000 small
# files of 1-32 KiB in nested folders, four of 200 MB, all random bytes) goes through
# `lumora-disc build` (check, layout, image, reading back) and, in the same run on the same
# disc tree, through `xorriso -as mkisofs` with the same names (Joliet long names, Rock
# Ridge, ISO level 3). The two alternate over the rounds; after checking that both images
# hold the same files (names and sizes), the median ratio lumora-disc / xorriso is printed
# with each one's largest resident memory, and lumora-disc's memory on the small sample disc
# beside it: memory must not grow with the size of the files. Last, lumora-disc's memory on
# games of 3,000 and 30,000 files of 1 KiB: what one more file costs.
# Usage: scripts/bench_disc.sh [rounds]   (default 3)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/session.sh"
build=${ZOR_BUILD_DIR:-$root/build}
rounds=${1:-3}

zor_install_packages time
zor_build "$build"
tool="$build/disc/lumora-disc"

# Makes (once) the maker's folder $1/SetupData: the sample disc's, grown by a "bench" entry of
# $2 x $3 folders of $4 files of 1 to $5 KiB and by $6 movies of 200 MiB, each an entry.
make_bench_game() {
  [ -f "$1/.complete" ] && return 0
  echo "== generating the benchmark game in $1/SetupData"
  rm -rf "$1"
  mkdir -p "$1"
  cp -r "$build/makers/sample/SetupData" "$1/SetupData"
  zor_make_small_files "$1/SetupData/GameData/bench" "$2" "$3" "$4" "$5"
  echo '#SETUP_FILE = "bench"' >> "$1/SetupData/Setup.ini"
  for m in $(seq 1 "$6"); do
    head -c 209715200 /dev/urandom > "$1/SetupData/GameData/movie$m.bin"
    echo "#SETUP_FILE = \"movie$m.bin\"" >> "$1/SetupData/Setup.ini"
  done
  touch "$1/.complete"
}

game="$build/bench-disc/SetupData"
make_bench_game "$build/bench-disc" 40 25 10 32 4
work="$build/bench-disc/work"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT INT TERM

# One round of each: seconds and largest resident memory (KiB) appended to its file.
run_ours() {
  rm -rf "$work/ours"
  /usr/bin/time -f "%e %M" -o "$work/time" "$tool" build "$game" -o "$work/ours" --medium dvd >/dev/null
  cat "$work/time" >> "$work/ours.times"
}
run_xorriso() {
  rm -f "$work/xorriso.iso"
  /usr/bin/time -f "%e %M" -o "$work/time" xorriso -as mkisofs -quiet -iso-level 3 -J -joliet-long -r \
    -V LUMORA_TSUKIKAGE -o "$work/xorriso.iso" "$work/tree" >/dev/null 2>&1
  cat "$work/time" >> "$work/xorriso.times"
}

# xorriso's input: the same disc tree as a folder (hard links into the maker's folder and
# the build, so both read the same files), laid out from the image lumora-disc writes.
run_ours
mkdir -p "$work/tree"
cp -al "$game" "$work/tree/SetupData"
for program in Setup Foyer Config Chronicle; do ln -f "$build/bin/$program.exe" "$work/tree/SetupData/$program.exe"; done
ln -f "$build/bin/Autorun.exe" "$work/tree/Autorun.exe"
ln -f "$game/Setup.ico" "$work/tree/Setup.ico"
osirrox -indev "$work/ours/disc1.iso" -extract /autorun.inf "$work/tree/autorun.inf" >/dev/null 2>&1
: > "$work/ours.times"
for i in $(seq 1 "$rounds"); do
  run_ours
  run_xorriso
done

# Both images hold the same files: every path and size of their Joliet trees.
listing() {
  osirrox -charset UTF-8 -rockridge off -indev "$1" -find / -type f -exec lsdl 2>/dev/null |
    awk '/^-/ { size = $5; sub(/^[^'\'']*'\''/, ""); sub(/'\''$/, ""); print $0 " " size }' | sort
}
listing "$work/ours/disc1.iso" > "$work/ours.list"
listing "$work/xorriso.iso" > "$work/xorriso.list"
if ! cmp -s "$work/ours.list" "$work/xorriso.list" || [ ! -s "$work/ours.list" ]; then
  echo "the two images do not hold the same files:"
  diff "$work/ours.list" "$work/xorriso.list" | head -10
  exit 1
fi
files=$(wc -l < "$work/ours.list")
bytes=$(du -sb --apparent-size "$work/tree" | cut -f1)
/usr/bin/time -f "%e %M" -o "$work/time" "$tool" build "$build/makers/sample/SetupData" -o "$work/sample" --medium cd >/dev/null
small_rss=$(cut -d' ' -f2 "$work/time")

paste -d' ' "$work/ours.times" "$work/xorriso.times" | awk -v files="$files" -v bytes="$bytes" -v small="$small_rss" '
  { ours[NR] = $1; theirs[NR] = $3; ratio[NR] = $1 / $3; if ($2 > rss) rss = $2; if ($4 > xrss) xrss = $4
    printf "round %d: lumora-disc %.2f s, xorriso %.2f s, ratio %.2f\n", NR, $1, $3, $1 / $3 }
  END {
    n = NR; for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (ratio[j] < ratio[i]) { t = ratio[i]; ratio[i] = ratio[j]; ratio[j] = t }
    median = (n % 2) ? ratio[(n + 1) / 2] : (ratio[n / 2] + ratio[n / 2 + 1]) / 2
    printf "%d files, %.0f MB: median ratio lumora-disc / xorriso %.2f (target 1.2)\n", files, bytes / 1e6, median
    printf "largest resident memory: lumora-disc %.1f MB (%.1f MB on the 4 MB sample disc), xorriso %.1f MB\n", rss / 1024, small / 1024, xrss / 1024 }'

# Memory against the number of files: the sample disc grown by 3,000 and by 30,000 files of
# 1 KiB (made once); the growth divided by the 27,000 files between them is one file's cost.
for files in 3000 30000; do
  many="$build/bench-disc-$files/SetupData"
  make_bench_game "$build/bench-disc-$files" $((files / 500)) 50 10 1 0
  /usr/bin/time -f "%e %M" -o "$work/time" "$tool" build "$many" -o "$work/many" --medium dvd >/dev/null
  rm -rf "$work/many"
  cut -d' ' -f2 "$work/time" > "$work/rss.$files"
done
awk -v a="$(cat "$work/rss.3000")" -v b="$(cat "$work/rss.30000")" 'BEGIN {
  printf "largest resident memory: %.1f MB with 3,000 files, %.1f MB with 30,000: %.2f KB per file\n", a / 1024, b / 1024, (b - a) * 1.024 / 27000 }'
