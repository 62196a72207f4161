#!/usr/bin/env bash
# Builds the release bundle of a Windows build tree, unpacks it into an empty
# folder and starts the game from there under Wine, as someone who downloaded
# it would: the bundle must hold everything the game needs, and nothing more.
# Usage: bundle-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
[ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)
game=""
fail() { echo "FAIL: $*" >&2; exit 1; }
finish() {
    [ -n "$game" ] && { kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; }
    rm -rf "$work"
}
trap finish EXIT

(cd "$work" && cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
zip=$(ls "$work"/out/quinterra-*-win64.zip)
version=$(basename "$zip" -win64.zip | cut -d- -f2)
(cd "$work" && cmake -E tar xf "$zip")
folder="$work/quinterra-$version-win64"
files=$(cd "$folder" && find . -type f | sort | tr '\n' ' ')
[ "$files" = "./LICENSE ./README.md ./pbrain-quinterra.exe ./quinterra.exe ./quinterra.hlp ./quinterra.html " ] ||
    fail "the bundle holds: $files"
# Stripped of debug information, the programs are small.
[ "$(stat -c %s "$folder/quinterra.exe")" -le 409600 ] || fail "quinterra.exe is larger than 400 KB"
[ "$(stat -c %s "$folder/pbrain-quinterra.exe")" -le 1048576 ] || fail "pbrain-quinterra.exe is larger than 1 MB"
# The version that Windows shows in the program's properties is the bundle's.
iconv -c -f UTF-16LE -t UTF-8 "$folder/quinterra.exe" | tr '\0' '\n' | grep -a -A2 'ProductVersion$' | grep -qx "$version" ||
    fail "quinterra.exe does not carry the version $version"

about=$(printf 'ABOUT\r\nEND\r\n' | "$root/tools/wine-run.sh" "$build" "$folder/pbrain-quinterra.exe")
grep -q 'name="Quinterra"' <<<"$about" || fail "the brain program did not answer ABOUT: $about"
cd "$folder"
"$root/tools/wine-run.sh" "$build" "$folder/quinterra.exe" </dev/null >"$work/game.log" 2>&1 &
game=$!
for _ in $(seq 150); do
    xdotool search --name '^Quinterra \[20x20\]$' >/dev/null 2>&1 && { echo "the game started from the unpacked bundle"; exit 0; }
    kill -0 "$game" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended at once"; }
    sleep 0.1
done
fail "the game window did not appear"
