#!/bin/sh
# lumora-disc try on games made for the test: a one-disc game passes with every step in its
# report, a two-disc game passes with its disc change, a disc whose engine is no Windows
# program fails with Foyer's message, and the report's pictures load in headless Chromium.
#   try_test.sh BUILD_DIR
set -eu
build=$1
tool=$build/disc/lumora-disc
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# Each try starts a virtual display of its own, so no other test's windows are in its pictures.
unset DISPLAY
export XDG_CACHE_HOME="$work/cache"
failures=0
failed() {
  echo "FAILED: $1"
  failures=$((failures + 1))
}

# game NAME DISCS ENGINE: a game of DISCS discs made by lumora-disc new in $work/NAME, with
# ENGINE as its LumoraEngine.exe and a voice folder (and on disc 2 a film), built into
# $work/NAME/out.
game() {
  data=$work/$1/SetupData
  "$tool" new "$data" --title "試しのゲーム $1" --reg-path "ZorTry\\$1" --discs "$2" >/dev/null
  cp "$3" "$data/GameData/LumoraEngine.exe"
  mkdir -p "$data/GameData/voice"
  printf 'voice' > "$data/GameData/voice/a.wav"
  printf '#SETUP_FILE = "voice"\r\n' >> "$data/Setup.ini"
  second=""
  if [ "$2" = 2 ]; then
    second=$work/$1/disc2/SetupData
    head -c 50000 /dev/urandom > "$second/GameData/movie.dat"
    printf '#SETUP_FILE = "movie.dat", 2\r\n' >> "$data/Setup.ini"
  fi
  "$tool" build "$data" $second -o "$work/$1/out" >/dev/null
}

# try NAME STATUS: lumora-disc try of NAME, which must end with STATUS.
try() {
  status=0
  "$tool" try "$work/$1/out" > "$work/$1/stdout" 2> "$work/$1/stderr" || status=$?
  if [ "$status" != "$2" ]; then
    failed "$1: exit status $status, not $2"
    cat "$work/$1/stdout" "$work/$1/stderr"
  fi
}

# The engine stand-in does not record its starts beside itself here: that record would be a
# file that the uninstall rightly leaves behind.
export ZOR_ENGINE_NO_START_RECORD=1
engine=$build/bin/LumoraEngine.exe

game one 1 "$engine"
try one 0
report=$work/one/out/try
for step in menu setup after-setup menu-installed game menu-again Config Chronicle uninstall after-uninstall; do
  ls "$report/96dpi/"*"-$step.png" >/dev/null 2>&1 || failed "one: no picture of the step $step"
done
grep -q "^passed" "$work/one/stdout" || failed "one: stdout says no passed outcome"
grep -q "^report: .*/try/index.html" "$work/one/stdout" || failed "one: stdout names no report"
[ -z "$(ls -A "$XDG_CACHE_HOME/lumora-disc")" ] || failed "one: the prefix was not removed"

game two 2 "$engine"
try two 0
grep -q "disc 2 is in the drive" "$work/two/out/try/index.html" || failed "two: no disc change in the report"
grep -q "を入れて下さい。" "$work/two/out/try/index.html" || failed "two: no disc prompt in the report"

printf 'not a program\n' > "$work/text-engine"
game broken 1 "$work/text-engine"
try broken 1
message="LumoraEngine.exe が実行できませんでした。"
grep -q "$message" "$work/broken/stdout" || failed "broken: stdout lacks Foyer's message"
# The whole text, its line breaks kept.
tr '\n' '|' < "$work/broken/out/try/index.html" |
  grep -qF "$message||ファイルが壊れている可能性があります。|ゲームを再セットアップすると" ||
  failed "broken: the report's message is not the box's text"

mkdir -p "$work/none"
try none 2
grep -q "^could not try: no image .*disc1.iso" "$work/none/stdout" || failed "none: no reason on stdout"

# Chromium opens a copy of the page beside it, with a script that counts the pictures that
# did not load; the page itself has none.
check=$report/check.html
sed 's|</body>|<script>onload = () => { const all = [...document.images]; document.body.dataset.pictures = all.length; document.body.dataset.broken = all.filter(i => !i.complete \|\| i.naturalWidth == 0).length; };</script></body>|' \
  "$report/index.html" > "$check"
chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking --disable-component-update \
  --disable-sync --user-data-dir="$work/chromium" --virtual-time-budget=10000 --dump-dom "file://$check" \
  > "$work/dom" 2>/dev/null || failed "chromium did not open the report"
pictures=$(sed -n 's/.*data-pictures="\([0-9]*\)".*/\1/p' "$work/dom")
broken=$(sed -n 's/.*data-broken="\([0-9]*\)".*/\1/p' "$work/dom")
if [ -z "$pictures" ] || [ "$pictures" -lt 10 ] || [ "$broken" != 0 ]; then
  failed "chromium: ${pictures:-no} pictures, ${broken:-?} broken"
fi
grep -Eq '(src|href)="(https?:)?//' "$report/index.html" && failed "the report has a network reference"

[ "$failures" -eq 0 ] || exit 1
echo "lumora-disc try: the one-disc, two-disc and broken games, and the report in Chromium"
