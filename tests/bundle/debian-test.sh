#!/usr/bin/env bash
# Makes the Debian package and checks it as Debian would: its fields, files
# and icons, and Debian's validators. Then debian-launch.sh plays its launcher,
# unpacked into a temporary root, with a temporary home and no Czech locale on
# the system: the game must start, writing nothing outside that home.
# Usage: debian-test.sh BUILD_DIR (through ctest: fixture wine_up)
source "$(dirname "$0")/../lib/test-lib.sh"
# $work not under /tmp, which the launcher's run replaces.
use_build "$1" "$1"

pack DEB 'quinterra_%s_amd64.deb'
deb=$package
for field in "Package: quinterra" "Version: $version" "Architecture: amd64" "Section: games" \
    "Depends: wine (>= 8.0~), wine64, fonts-wine, fonts-dejavu-extra, locales, yad, xdotool"; do
    dpkg-deb -f "$deb" | grep -qx "$field" || fail "the control file lacks \"$field\": $(dpkg-deb -f "$deb")"
done
# The files (not folders) with their modes, sorted by path.
by_path() { sort -k2; }
{
    printf -- '-rwxr-xr-x ./usr/%s\n' games/quinterra libexec/quinterra/{prefix-fonts,wine-player}.sh
    printf -- '-rw-r--r-- ./usr/%s\n' lib/quinterra/{pbrain-quinterra.exe,quinterra.{exe,hlp,html}} \
        libexec/quinterra/wine-prefix.sh share/{applications/quinterra.desktop,doc/quinterra/{changelog.gz,copyright}} \
        share/icons/hicolor/{32x32,64x64,128x128,256x256}/apps/quinterra.png share/man/man6/quinterra.6.gz \
        share/metainfo/org.quinterra.Quinterra.metainfo.xml
} | by_path >"$work/contents"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | by_path | diff - "$work/contents" >&2 ||
    fail "the package's files differ (< is the package)"

unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"
share="$unpacked/usr/share"
for size in 32 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/quinterra.png"
    [ "$(identify -format %wx%h "$png")" = "${size}x${size}" ] || fail "$png is not $size x $size"
    # Every pixel of the picture, grown into a square of whole pixels.
    differing=$(convert "$png" -scale 32x32 png:- |
        compare -metric AE - "$root/resources/quinterra.xpm" null: 2>&1 || true)
    [ "$differing" = 0 ] || fail "the $size x $size icon is not the game's picture ($differing pixels differ)"
done
desktop-file-validate "$share/applications/quinterra.desktop" || fail "the desktop entry is not valid"
grep -qx 'Categories=Game;BoardGame;' "$share/applications/quinterra.desktop" || fail "the desktop entry is not a board game"
grep -qx 'StartupNotify=true' "$share/applications/quinterra.desktop" || fail "the desktop entry asks for no startup notification"
appstreamcli validate --strict --no-net "$share/metainfo/"*.metainfo.xml || fail "the AppStream metadata is not valid"
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || lint_failed=1
grep -v 'running with root privileges' "$work/lintian" || true
[ -z "${lint_failed:-}" ] || fail "lintian reports errors or warnings"

# A new player's first start, as an ordinary Debian system has it: with no
# Czech locale generated (LOCPATH hides the system's).
home="$work/home"
mkdir "$home" "$work/no-locales"
find "$unpacked" | sort >"$work/root-before"
namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || namespace+=(--map-root-user)
left=$("${namespace[@]}" bash "$root/tests/bundle/debian-launch.sh" "$work" "$HOME" "$DISPLAY") ||
    fail "the launcher did not start the game"
[ -z "$left" ] || fail "the launcher wrote outside its home: $left"
find "$unpacked" | sort | diff "$work/root-before" - >&2 || fail "the launcher wrote into the installed files"
prefix="$home/data/quinterra/wineprefix"
[ -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ] || fail "the prefix lacks Wine's fonts"
echo "the launcher started the game in $prefix and wrote nowhere else"
