#!/usr/bin/env bash
# Packs the release bundle, unpacks it into an empty folder and starts the game there under
# Wine, as someone who downloaded it would: it must hold what the game needs, and no more.
# Usage: bundle-test.sh BUILD_DIR (through ctest: fixture wine_up)
source "$(dirname "$0")/../lib/test-lib.sh"
use_build "$1"

pack ZIP 'quinterra-%s-win64.zip'
(cd "$work" && cmake -E tar xf "$package")
cd "$work/quinterra-$version-win64"
[ "$(files_in .)" = "$bundle_files" ] || fail "the bundle holds: $(files_in .)"
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
start_wine "$PWD/quinterra.exe"
window_named '^Quinterra \[20x20\]$' >/dev/null ||
    { cat "$work/programs.log" >&2; fail "the game window did not appear"; }
echo "the game started from the bundle"
