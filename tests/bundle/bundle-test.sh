#!/usr/bin/env bash
# Packs the release bundle, unpacks it into an empty folder and starts the game there under
# Wine, as someone who downloaded it would: it must hold what the game needs, and no more.
# Usage: bundle-test.sh BUILD_DIR (through ctest: fixture wine_up)
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)
game=""
fail() { echo "FAIL: $*" >&2; exit 1; }
trap '[ -n "$game" ] && kill $game; rm -rf "$work"' EXIT

(cd "$work" && cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
zip=$(ls "$work"/out/quinterra-*-win64.zip)
version=$(basename "$zip" -win64.zip | cut -d- -f2)
(cd "$work" && cmake -E tar xf "$zip")
cd "$work/quinterra-$version-win64"
files=$(find . -type f | sort | tr '\n' ' ')
[ "$files" = "./LICENSE ./README.md ./pbrain-quinterra.exe ./quinterra.exe ./quinterra.hlp ./quinterra.html " ] ||
    fail "the bundle holds: $files"
[ "$(stat -c %s quinterra.exe)" -le 409600 ] || fail "quinterra.exe is larger than 400 KB: debug information?"
[ "$(stat -c %s pbrain-quinterra.exe)" -le 1048576 ] || fail "pbrain-quinterra.exe is larger than 1 MB"
strings=$(iconv -c -f UTF-16LE -t UTF-8 quinterra.exe | tr '\0' '\n')
grep -a -A2 'ProductVersion$' <<<"$strings" | grep -qx "$version" ||
    fail "quinterra.exe does not carry the version $version"
# What the file's properties tell a player.
for text in 'Quinterra – pět v řadě proti počítači' 'Vývojáři hry Quinterra' 'Licence MIT'; do
    grep -aqx "$text" <<<"$strings" || fail "quinterra.exe does not describe itself as: $text"
done

printf 'ABOUT\r\nEND\r\n' | "$root/tools/wine-run.sh" "$build" "$PWD/pbrain-quinterra.exe" |
    grep 'name="Quinterra"' >/dev/null || fail "the brain program did not answer ABOUT"
"$root/tools/wine-run.sh" "$build" "$PWD/quinterra.exe" </dev/null >"$work/game.log" 2>&1 &
game=$!
for _ in $(seq 150); do
    xdotool search --name '^Quinterra \[20x20\]$' >/dev/null && { echo "the game started from the bundle"; exit 0; }
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended at once"; }
    sleep 0.1
done
fail "the game window did not appear"
