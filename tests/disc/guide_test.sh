#!/bin/sh
# The maker's guide keeps up with the readers: every pattern of the rule tables with which
# the programs read the disc's description files (Setup.ini, Autorun.ini; the engine's
# system.ini is no maker's file) has a row of its own in docs/setup_ini.md, the pattern in
# backticks as the code writes it.
#   guide_test.sh SOURCE_DIR
set -eu
root=$1
guide=$root/docs/setup_ini.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A rule table entry is {L"<pattern>", {<outputs>}, <on match>} (lib/setting/setting_reader.h).
find "$root/lib/setting" "$root/lib/rules" -name '*.cpp' ! -name system_ini.cpp -exec cat {} + |
  grep -o '{L"#[^"]*", *{' | sed 's/^{L"\(.*\)", *{$/\1/' | sort -u >"$work/patterns"
count=$(wc -l <"$work/patterns")
# Setup.ini's keys and Autorun.ini's one: fewer means the tables took another shape.
if [ "$count" -lt 16 ]; then
  echo "FAILED: found only $count reader patterns in lib/setting and lib/rules; where did the rule tables go?"
  exit 1
fi
failures=0
while IFS= read -r pattern; do
  grep -qF -- "| \`$pattern\` |" "$guide" || { echo "FAILED: docs/setup_ini.md has no row for \`$pattern\`"; failures=$((failures + 1)); }
done <"$work/patterns"
[ "$failures" = 0 ] || exit 1
echo "guide_test: all $count patterns have their row"
