#!/bin/sh
# What only a maker needs to know, as `lumora-disc check` reports it on copies of the staged
# sample (build/makers/sample): each row changes the copy, then requires the exit status and
# a report line holding the row's text (rows with no text: no line but notes). The programs
# are the signed ones of the sample's image unless a row names others.
#   check_test.sh BUILD_DIR
set -eu
build=$1
tool=$build/disc/lumora-disc
maker=$build/makers/sample/SetupData
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
mkdir "$work/signed"
cp "$build/sample_disc/Autorun.exe" "$work/signed/"
for program in Setup Foyer Config Chronicle; do cp "$build/sample_disc/SetupData/$program.exe" "$work/signed/"; done

# row NAME STATUS TEXT [OPTIONS...]: checks $work/disc/SetupData, which change() prepared.
row() {
  name=$1 want=$2 text=$3
  shift 3
  status=0
  "$tool" check "$work/disc/SetupData" --programs "$work/signed" "$@" >"$work/report" 2>&1 || status=$?
  if [ "$status" != "$want" ]; then
    echo "FAILED: $name: exit status $status, not $want"; cat "$work/report"; failures=$((failures + 1))
  elif [ -z "$text" ] && grep -qv ': note: ' "$work/report"; then
    echo "FAILED: $name: reported"; cat "$work/report"; failures=$((failures + 1))
  elif [ -n "$text" ] && ! grep -qF -- "$text" "$work/report"; then
    echo "FAILED: $name: no line holds \"$text\""; cat "$work/report"; failures=$((failures + 1))
  fi
}

# fresh: a new copy of the staged sample in $work/disc/SetupData.
fresh() {
  rm -rf "$work/disc"
  mkdir -p "$work/disc"
  cp -r "$maker" "$work/disc/SetupData"
}
ini=$work/disc/SetupData/Setup.ini
data=$work/disc/SetupData/GameData

fresh
row "the clean sample" 0 ""
row "signed programs" 0 "note: signed by Lumora Test Maker: Setup.exe, Foyer.exe, Config.exe, Chronicle.exe, Autorun.exe"
row "the maker's unsigned programs" 0 "note: the game's own programs not signed: DirectX/DXSETUP.exe, GameData/LumoraEngine.exe, おまけ.exe"
cp -r "$work/signed" "$work/changed"
printf 'X' | dd of="$work/changed/Foyer.exe" bs=1 seek=2000 conv=notrunc 2>/dev/null
row "a program changed after signing" 0 "warning: changed after signing (the signature no longer matches): Foyer.exe --" \
  --programs "$work/changed"
row "unsigned programs" 0 "warning: not signed: Setup.exe, Foyer.exe, Config.exe, Chronicle.exe, Autorun.exe -- a player's Windows shows \"Publisher: Unknown\"" \
  --programs "$build/bin"

fresh
printf 'x' >"$data/😀.txt"
row "a name code page 932 cannot hold" 1 "a name code page 932 cannot hold"

fresh
printf 'x' >"$data/a:b.txt"
row "a name Windows cannot hold" 1 "Windows cannot hold this name"

fresh
printf 'x' >"$data/$(printf '%0104d' 0).txt"
row "a name over 103 UTF-16 units" 1 "longer than the image's Joliet names (103"

fresh
printf 'x' >"$data/$(printf '%099d' 0).txt"
row "a name of 103 units" 0 ""

fresh
truncate -s 4G "$data/big.bin"
row "a file of 4 GiB" 0 "warning: a file of 4 GiB or more"
row "a disc over the medium" 1 "a CD-R (80 min) holds 359847" --medium cd

fresh
printf '#SETUP_FILE = "data"\n#REG_PATH = "Maker\\\\%0240d"\n' 0 >>"$ini"
row "an installed path over 259 characters" 1 "over Windows' 259"

fresh
printf '#MANUAL_USE = 0\n' >>"$ini"
row "a manual Foyer does not offer" 0 "warning: Foyer.exe does not offer the manual"

fresh
printf '#REG_PATH = "Other\\\\Game"\n' >>"$ini"
row "two #REG_PATH lines" 1 "Config.exe and Chronicle.exe take the first #REG_PATH line"

fresh
iconv -f CP932 -t UTF-8 "$maker/Setup.ini" >"$ini"
# Its Japanese names then name no file: problems besides the warning.
row "Setup.ini in UTF-8" 1 "warning: Setup.ini looks like UTF-8"

fresh
printf '#SETUP_DATA = "SetupData"\r\n' >"$work/disc/Autorun.ini"
row "Autorun.ini naming the folder" 0 ""
printf '#SETUP_DATA = "Other"\r\n' >"$work/disc/Autorun.ini"
mkdir -p "$work/disc/Other"
cp "$build/bin/Foyer.exe" "$build/bin/Setup.exe" "$work/disc/Other/"
row "Autorun.ini naming another folder" 1 "Autorun.ini names the setup data folder \"Other\""

fresh
rm "$data/readme.txt"
row "a missing entry" 1 "Setup.exe: readme.txt ファイルまたはフォルダが見つかりませんでした。 -- put it at"

fresh
rm "$work/disc/SetupData/Setup.bmp"
row "a missing title picture, with what it must be" 1 "Setup.bmp が見つかりませんでした。 -- the title picture is an uncompressed 24- or 32-bit Windows bitmap, stored bottom-up, of 400 x 400"

fresh
# The header says 200 x 200; the rows of 400 x 400 stay, so the picture still loads.
printf '\310\000\000\000\310\000\000\000' | dd of="$work/disc/SetupData/Setup.bmp" bs=1 seek=18 conv=notrunc 2>/dev/null
row "a title picture of 200 x 200" 0 "warning: the title picture is 200 x 200 pixels: the menu shows it in the top-left corner"

fresh
printf '#DISC_CNT = 2\n#DISC_NAME.0 = "1"\n#DISC_NAME.1 = "2"\n#SETUP_SIZE = 1\n' >>"$ini"
# Every file of the sample's GameData is an entry or lies in one.
row "a two-disc #SETUP_SIZE below what the entries install" 0 \
  "bytes -- write #SETUP_SIZE = $(find "$data" -type f -printf '%s\n' | awk '{ total += $1 } END { print total }')"

fresh
printf 'not a program' >"$data/LumoraEngine.exe"
row "an engine that is no Windows program" 0 "warning: Foyer.exe's game buttons and Chronicle.exe start it, but it is not a Windows program"
fresh
printf 'not a program' >"$work/disc/SetupData/おまけ.exe"
row "an extra button's program that is none" 0 "warning: Foyer.exe's menu starts it, but it is not a Windows program"

fresh
printf '#GAME_TITLE = "%033d"\n' 0 >>"$ini"
row "a title longer than the disc's label shows" 0 "warning: the title is the disc's label= in autorun.inf, and Windows shows 32 of its 33"

# A maker starting from nothing: new, then check finds only the engine missing; with an
# engine the check is clean (but notes) and build writes the image.
starter=$work/game/SetupData
"$tool" new "$starter" --title "月影の庭" --reg-path 'Lumora\Tsukikage' >/dev/null || { echo "FAILED: new"; failures=$((failures + 1)); }
status=0
"$tool" check "$starter" --programs "$work/signed" >"$work/report" 2>&1 || status=$?
if [ "$status" != 1 ] || [ "$(grep -cv ': note: ' "$work/report")" != 1 ] ||
   ! grep -qF "LumoraEngine.exe ファイルまたはフォルダが見つかりませんでした。 -- put the game's engine at $starter/GameData/LumoraEngine.exe" "$work/report"; then
  echo "FAILED: new, then check: status $status, not the one problem of the missing engine"; cat "$work/report"; failures=$((failures + 1))
fi
cp "$maker/GameData/LumoraEngine.exe" "$starter/GameData/"
status=0
"$tool" check "$starter" --programs "$work/signed" >"$work/report" 2>&1 || status=$?
[ "$status" = 0 ] && ! grep -qv ': note: ' "$work/report" || { echo "FAILED: new with an engine: status $status"; cat "$work/report"; failures=$((failures + 1)); }
"$tool" build "$starter" -o "$work/game/out" --programs "$build/bin" >/dev/null 2>&1 && [ -s "$work/game/out/disc1.iso" ] ||
  { echo "FAILED: new with an engine: no image"; failures=$((failures + 1)); }

# new refuses what Setup.ini cannot carry and a folder that is not empty, and writes nothing.
# refused NAME TEXT ARGUMENTS...: exit status 2, TEXT said, $work/refused as it was.
refused() {
  name=$1 text=$2
  shift 2
  before=$(ls -laR "$work/refused" 2>/dev/null || true)
  status=0
  "$tool" new "$work/refused/SetupData" "$@" >"$work/report" 2>&1 || status=$?
  if [ "$status" != 2 ] || ! grep -qF -- "$text" "$work/report" ||
     [ "$(ls -laR "$work/refused" 2>/dev/null || true)" != "$before" ]; then
    echo "FAILED: new $name: status $status, or something changed"; cat "$work/report"; failures=$((failures + 1))
  fi
}
refused "with a \" in the title" "a Windows file name cannot hold" --title 'Night "Story"' --reg-path 'M\G'
refused "with a title code page 932 cannot hold" "code page 932, which cannot hold" --title '😀' --reg-path 'M\G'
refused "with #REG_PATH without a backslash" "Setup.exe: レジストリパスが不正です。" --title T --reg-path Game
refused "with #REG_PATH leaving its folder" "Setup.exe: レジストリパスが不正です。" --title T --reg-path 'M\..\..\Windows'
mkdir -p "$work/refused/SetupData"
echo keep >"$work/refused/SetupData/notes.txt"
refused "into a folder that is not empty" "is not an empty folder" --title T --reg-path 'M\G'

status=0
"$tool" check "$work/none" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || { echo "FAILED: a missing folder exits with $status, not 2"; failures=$((failures + 1)); }

[ "$failures" = 0 ] || exit 1
echo "check_test: every row passed"
