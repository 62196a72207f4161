#!/usr/bin/env bash
# Builds the release bundle of a Windows build tree, unpacks it into an empty
# folder and starts the game from there under Wine, as someone who downloaded
# it would: the bundle must hold everything the game needs.
# Usage: bundle-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
[ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)
game=""
finish() {
    [ -n "$game" ] && { kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; }
    rm -rf "$work"
}
trap finish EXIT

(cd "$work" && cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
zip=$(ls "$work"/out/quinterra-*-win64.zip)
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
folder="$work/unpacked/$(basename "$zip" .zip)"

for f in quinterra.exe quinterra.hlp pbrain-quinterra.exe README.md LICENSE; do
    [ -s "$folder/$f" ] || { echo "FAIL: the bundle lacks $f" >&2; exit 1; }
done
extra=$(cd "$folder" && ls | grep -vxE 'quinterra\.exe|quinterra\.hlp|pbrain-quinterra\.exe|README\.md|LICENSE' || true)
[ -z "$extra" ] || { echo "FAIL: unexpected files in the bundle: $extra" >&2; exit 1; }

# The brain program answers from the bundle too.
about=$(printf 'ABOUT\r\nEND\r\n' | "$root/tools/wine-run.sh" "$build" "$folder/pbrain-quinterra.exe")
grep -q 'name="Quinterra"' <<<"$about" || { echo "FAIL: the brain program did not answer ABOUT: $about" >&2; exit 1; }

cd "$folder"
"$root/tools/wine-run.sh" "$build" "$folder/quinterra.exe" </dev/null >"$work/game.log" 2>&1 &
game=$!
for _ in $(seq 150); do
    if xdotool search --name '^Quinterra \[20x20\]$' >/dev/null 2>&1; then
        echo "the game started from the unpacked bundle"
        exit 0
    fi
    kill -0 "$game" 2>/dev/null || { echo "FAIL: the game ended at once" >&2; cat "$work/game.log" >&2; exit 1; }
    sleep 0.1
done
echo "FAIL: the game window did not appear" >&2
exit 1
