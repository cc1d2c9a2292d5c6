#!/bin/sh
# What only a maker needs to know, as `lumora-disc check` reports it on copies of the staged
# sample (build/makers/sample): each row changes the copy, then requires the exit status and
# a report line holding the row's text (rows with no text: no line at all).
#   check_test.sh BUILD_DIR
set -eu
build=$1
tool=$build/disc/lumora-disc
maker=$build/makers/sample/SetupData
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# row NAME STATUS TEXT [OPTIONS...]: checks $work/disc/SetupData, which change() prepared.
row() {
  name=$1 want=$2 text=$3
  shift 3
  status=0
  "$tool" check "$work/disc/SetupData" --programs "$build/bin" "$@" >"$work/report" 2>&1 || status=$?
  if [ "$status" != "$want" ]; then
    echo "FAILED: $name: exit status $status, not $want"; cat "$work/report"; failures=$((failures + 1))
  elif [ -z "$text" ] && [ -s "$work/report" ]; then
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
row "a missing entry" 1 "Setup.exe: readme.txt ファイルまたはフォルダが見つかりませんでした。"

status=0
"$tool" check "$work/none" >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || { echo "FAILED: a missing folder exits with $status, not 2"; failures=$((failures + 1)); }

[ "$failures" = 0 ] || exit 1
echo "check_test: every row passed"
