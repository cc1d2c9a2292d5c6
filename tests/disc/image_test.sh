#!/bin/sh
# The images that lumora-disc wrote for the sample discs, read by an independent reader
# (osirrox, through both the Joliet tree that Windows reads and the Rock Ridge tree): every
# disc holds exactly the files its layout puts there, byte for byte, with the build's
# programs stripped, autorun.inf in code page 932; the one-disc sample's five programs signed
# with the test certificate (each verifying against it, and the build's program once its
# signature is removed); a second build from a copy of the maker's folder (other inodes and
# times, stale programs and markers in it) gives the same bytes, signed too; a build that
# cannot finish (a wrong password, an unreachable timestamp server) leaves no image; the
# tool installed by cmake --install works from its prefix.
#   image_test.sh BUILD_DIR
set -eu
# Messages of the tools in English, as the checks read them.
export LC_ALL=C
build=$1
signing=$build/signing
tool=$build/disc/lumora-disc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# extract IMAGE TREE DIR: the image's Joliet or Rock Ridge tree as files.
extract() {
  if [ "$2" = joliet ]; then off=-rockridge; else off=-joliet; fi
  osirrox -charset UTF-8 $off off -indev "$1" -extract / "$3" >/dev/null 2>&1
}

# expected_disc MAKER NUMBER COUNT DIR: the disc's tree as the layout rules say, built with
# cp from the maker's folder of disc NUMBER.
expected_disc() {
  maker=$1 number=$2 count=$3 dir=$4
  mkdir -p "$dir/SetupData"
  if [ "$number" = 1 ]; then
    cp -r "$maker/." "$dir/SetupData/"
    for program in Setup Foyer Config Chronicle; do cp "$build/bin/$program.exe" "$dir/SetupData/"; done
    cp "$build/bin/Autorun.exe" "$maker/Setup.ico" "$dir/"
    title=$(iconv -f CP932 -t UTF-8 "$maker/Setup.ini" | sed -n 's/^#GAME_TITLE = "\(.*\)".*/\1/p' | tail -1)
    printf '[autorun]\r\nopen=Autorun.exe\r\nicon=Setup.ico\r\nlabel=%s\r\n' "$title" |
      iconv -f UTF-8 -t CP932 > "$dir/autorun.inf"
  else
    cp -r "$maker/." "$dir/SetupData/"
  fi
  rm -f "$dir/SetupData/DISC1" "$dir/SetupData/DISC2"
  [ "$count" = 2 ] && : > "$dir/SetupData/DISC$number"
  return 0
}

# unsign TREE: each of the five programs in TREE must verify against the test certificate,
# and is replaced by itself without the signature.
unsign() {
  for program in "$1/Autorun.exe" "$1"/SetupData/Setup.exe "$1"/SetupData/Foyer.exe "$1"/SetupData/Config.exe \
                 "$1"/SetupData/Chronicle.exe; do
    osslsigncode verify -CAfile "$signing/maker.pem" -in "$program" >/dev/null 2>&1 ||
      fail "$program does not verify against the test certificate"
    osslsigncode remove-signature -in "$program" -out "$program.bare" >/dev/null 2>&1 && mv "$program.bare" "$program"
  done
}

# check_image IMAGE MAKER NUMBER COUNT [signed]
check_image() {
  expected_disc "$2" "$3" "$4" "$work/expected"
  for tree in joliet rockridge; do
    extract "$1" $tree "$work/$tree" || fail "osirrox cannot read $1"
    [ "${5:-}" = signed ] && unsign "$work/$tree"
    diff -r "$work/expected" "$work/$tree" >/dev/null || { diff -r "$work/expected" "$work/$tree" | head -5; fail "$1: its $tree tree is not the disc"; }
    rm -rf "$work/$tree"
  done
  rm -rf "$work/expected"
}

check_image "$build/discs/sample/disc1.iso" "$build/makers/sample/SetupData" 1 1 signed
osslsigncode verify -in "$build/bin/Setup.exe" 2>&1 | grep -q "No signature found" || fail "the build's own Setup.exe was signed"
check_image "$build/discs/two/disc1.iso" "$build/makers/two/SetupData" 1 2
check_image "$build/discs/two/disc2.iso" "$build/makers/two/disc2/SetupData" 2 2
# Joliet names as Windows shows them, read by a second reader: no ";1" version suffix.
isoinfo -J -f -i "$build/discs/sample/disc1.iso" >"$work/joliet" || fail "isoinfo cannot read the Joliet tree"
grep -q '^/SetupData/Setup.exe$' "$work/joliet" && ! grep -q ';' "$work/joliet" ||
  { head -3 "$work/joliet"; fail "Joliet names with a version suffix"; }
x86_64-w64-mingw32-nm "$build/bin/Setup.exe" 2>&1 | grep -q "no symbols" || fail "Setup.exe ships with its symbols"

# The same folder elsewhere, written file by file in reverse order, with an old Setup.exe
# and an old marker left in it: the same image.
# copy_reversed FROM TO: the files of FROM written into TO in reverse name order.
copy_reversed() {
  mkdir -p "$2"
  (cd "$1" && find . -type f | sort -r > "$work/files" && tar -cf - -T "$work/files") | tar -xf - -C "$2"
}
for sample in sample two; do
  copy=$work/maker-$sample/SetupData
  copy_reversed "$build/makers/$sample/SetupData" "$copy"
  echo old > "$copy/Setup.exe"
  echo stale > "$copy/DISC1"
  options="--medium cd"
  second=""
  # The password from standard input this time.
  [ $sample = sample ] && options="$options --label LUMORA_SAMPLE --sign $signing/maker.pfx"
  if [ $sample = two ]; then
    second=$work/maker-$sample/disc2/SetupData
    copy_reversed "$build/makers/$sample/disc2/SetupData" "$second"
  fi
  "$tool" build "$copy" $second -o "$work/again-$sample" $options <"$signing/password" >/dev/null ||
    fail "the second build of $sample"
  for image in "$build/discs/$sample"/disc*.iso; do
    cmp -s "$image" "$work/again-$sample/$(basename "$image")" || fail "$sample: $(basename "$image") differs on a second build"
  done
  rm -rf "$work/maker-$sample" "$work/again-$sample"
done

# The files' dates: SOURCE_DATE_EPOCH when set (2023-11-14 here), else the maker's newest file's.
SOURCE_DATE_EPOCH=1700000000 "$tool" build "$build/makers/sample/SetupData" -o "$work/dated" >/dev/null ||
  fail "the build with SOURCE_DATE_EPOCH"
isoinfo -l -J -i "$work/dated/disc1.iso" | grep -q 'Nov 14 2023.*autorun.inf' || fail "SOURCE_DATE_EPOCH does not date the files"
sample=$build/makers/sample/SetupData
newest=$(find "$sample" -type f ! -path "$sample/Setup.exe" ! -path "$sample/Foyer.exe" ! -path "$sample/Config.exe" \
           ! -path "$sample/Chronicle.exe" -printf '%T@\n' | sort -n | tail -1 | cut -d. -f1)
isoinfo -l -J -i "$build/discs/sample/disc1.iso" | grep -q "$(LC_ALL=C date -u -d "@$newest" '+%b %e %Y').*autorun.inf" ||
  fail "the image is not dated by the maker's newest file"
rm -rf "$work/dated"

# One folder for both discs (the second disc's entries in its GameData, as Setup's tests
# use tests/data/disc2): the same two images as from two folders.
copy_reversed "$build/makers/two/SetupData" "$work/one/SetupData"
copy_reversed "$build/makers/two/disc2/SetupData/GameData" "$work/one/SetupData/GameData"
"$tool" build "$work/one/SetupData" -o "$work/one-out" --medium cd >/dev/null || fail "the build from one folder"
for number in 1 2; do
  cmp -s "$build/discs/two/disc$number.iso" "$work/one-out/disc$number.iso" ||
    fail "disc$number.iso from one folder differs from the one of two folders"
done
rm -rf "$work/one" "$work/one-out"

# A build without the programs' folder, and one that cannot write its output, stop with
# status 2 and leave nothing. Bad arguments give the usage and 2.
status=0
"$tool" build "$build/makers/sample/SetupData" -o "$work/none" --programs "$work/nowhere" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "a build without programs exits with $status, not 2"
[ -z "$(ls -A "$work/none" 2>/dev/null)" ] || fail "a build without programs left $(ls "$work/none")"
: > "$work/file"
status=0
"$tool" build "$build/makers/sample/SetupData" -o "$work/file/out" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "a build that cannot write exits with $status, not 2"
# A wrong password, and a timestamp server that cannot be reached (the discard port), stop
# the build before any image, naming the cause.
printf 'wrong\n' >"$work/wrong"
for case in "wrong password|--sign-password-file $work/wrong|the password does not open the certificate" \
            "no timestamp server|--sign-password-file $signing/password --timestamp http://127.0.0.1:9/|the timestamp server http://127.0.0.1:9/ cannot be reached"; do
  name=${case%%|*} rest=${case#*|}
  options=${rest%%|*} text=${rest#*|}
  status=0
  "$tool" build "$build/makers/sample/SetupData" -o "$work/unsigned" --medium cd --sign "$signing/maker.pfx" $options \
    >/dev/null 2>"$work/said" || status=$?
  [ "$status" = 2 ] || fail "$name: exit status $status, not 2"
  grep -qF "$text" "$work/said" || { cat "$work/said"; fail "$name: not said: $text"; }
  [ -z "$(ls -A "$work/unsigned" 2>/dev/null)" ] || fail "$name: left $(ls "$work/unsigned")"
done
for arguments in "" "burn x" "build $build/makers/sample/SetupData" "check a b c" "check x --medium floppy" \
                 "build x -o y --label bad-label" "build x -o y --timestamp http://a"; do
  status=0
  "$tool" $arguments >/dev/null 2>"$work/usage" || status=$?
  [ "$status" = 2 ] && grep -q "^usage: lumora-disc" "$work/usage" || fail "lumora-disc $arguments: status $status without the usage"
done
# Asked for, the usage and the version go to standard output with status 0.
for arguments in "--help" "build x --help" "--version"; do
  status=0
  "$tool" $arguments >"$work/out" 2>"$work/err" || status=$?
  case $arguments in *help) want="^usage: lumora-disc" ;; *) want="^lumora-disc [0-9][0-9.]*$" ;; esac
  [ "$status" = 0 ] && [ ! -s "$work/err" ] && grep -q "$want" "$work/out" ||
    fail "lumora-disc $arguments: status $status, or not \"$want\" on standard output alone"
done

# Installed into a prefix of its own, the tool finds the programs it installed with it: the
# sample's image again, with no --programs, and the manual page where man looks. Its build
# shows a progress line on a terminal (script gives it one) and none into a pipe.
cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
installed=$work/prefix/bin/lumora-disc
"$installed" build "$build/makers/sample/SetupData" -o "$work/installed" --medium cd --label LUMORA_SAMPLE \
  --sign "$signing/maker.pfx" --sign-password-file "$signing/password" >"$work/out" 2>&1 || { cat "$work/out"; fail "the installed tool's build"; }
cmp -s "$build/discs/sample/disc1.iso" "$work/installed/disc1.iso" || fail "the installed tool's image differs"
! grep -q "$(printf '\r')" "$work/out" || fail "a build into a pipe shows the progress line"
if command -v script >/dev/null 2>&1; then
  script -qec "'$installed' build '$build/makers/sample/SetupData' -o '$work/installed' --medium cd" /dev/null \
    >"$work/terminal" 2>&1 || fail "the installed tool's build on a terminal"
  grep -q "$(printf '\r')disc 1: [0-9,]* of [0-9,]* MiB" "$work/terminal" || fail "a build on a terminal shows no progress line"
fi
[ -f "$work/prefix/share/man/man1/lumora-disc.1" ] || fail "no manual page in share/man/man1"
if command -v groff >/dev/null 2>&1; then
  LC_ALL=C.UTF-8 groff -man -ww -z "$work/prefix/share/man/man1/lumora-disc.1" 2>"$work/err" && [ ! -s "$work/err" ] ||
    { cat "$work/err"; fail "the manual page does not render cleanly"; }
fi
rm -rf "$work/prefix" "$work/installed"

[ "$failures" = 0 ] && echo "disc images: all checks passed"
exit "$failures"
