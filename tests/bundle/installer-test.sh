#!/usr/bin/env bash
# Makes the Windows installer and uses it as a player would, in the test prefix:
# it greets in Czech, installs silently into a folder of our choosing, the
# installed game starts, and the registered uninstaller takes away everything
# the installer added: the folder, the Start-menu entry and the registry key.
# Installed without a folder named, it goes to Program Files and leaves too.
# Usage: installer-test.sh BUILD_DIR (through ctest: fixture wine_up)
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
export DISPLAY=":$(cat "$build/xvfb.display")"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
work=$(mktemp -d)
pids=()
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
wine() { "$root/tools/wine-run.sh" "$build" "$@" </dev/null; }
# Starts a program in the background, as a child of this script whose id is in pids.
start() { "$root/tools/wine-run.sh" "$build" "$@" </dev/null >/dev/null 2>&1 & pids+=($!); }
# Waits up to 15 s for a command to succeed.
until_true() { for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done; return 1; }
window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# What the test prefix holds, file by file: the same before and after.
prefix_files() { (cd "$WINEPREFIX/drive_c" && find . | sort); }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quinterra'
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quinterra.lnk"

(cd "$work" && cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
installer="$work/out/quinterra-$version-win64.exe"
[ -f "$installer" ] || fail "no installer $(basename "$installer"): $(ls "$work/out")"
strings -el "$installer" | grep -A1 -x ProductVersion | grep -qx "$version" ||
    fail "the installer does not carry the version $version"
default="$WINEPREFIX/drive_c/Program Files/Quinterra"
[ ! -e "$default" ] && ! wine reg query "$key" >/dev/null 2>&1 ||
    fail "Quinterra is installed in the test prefix already; remove $WINEPREFIX"
prefix_files >"$work/before"

# Escape on the welcome page leaves without installing anything.
start "$installer"
until_true window '^Instalace Quinterra$' || fail "no installer window titled \"Instalace Quinterra\""
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Instalace Quinterra$')")"
xdotool mousemove $((X + 100)) $((Y + 200)) click 1 sleep 0.3 key Escape
until_true gone "${pids[0]}" || fail "Escape did not close the installer"

# NSIS takes /D= unquoted, and Wine quotes an argument with a space.
folder="$work/Quinterra"
wine "$installer" /S "/D=$(WINEPREFIX="$WINEPREFIX" winepath -w "$folder" 2>/dev/null)"
installed=$(cd "$folder" && find . -type f | sort | tr '\n' ' ')
[ "$installed" = "./LICENSE ./README.md ./Uninstall.exe ./pbrain-quinterra.exe ./quinterra.exe ./quinterra.hlp ./quinterra.html " ] ||
    fail "the installer put into its folder: $installed"
strings -el "$shortcut" | grep -qx 'quinterra.exe' || fail "no Start-menu entry \"Quinterra\" for the game"
registered=$(wine reg query "$key" | tr -d '\r')
for value in 'DisplayName +REG_SZ +Quinterra' "DisplayVersion +REG_SZ +$version" 'DisplayIcon +REG_SZ +.*\\quinterra.exe' \
    'UninstallString +REG_SZ +".*\\Quinterra\\Uninstall.exe"'; do
    grep -Eq "^ +$value$" <<<"$registered" || fail "the uninstall key lacks $value: $registered"
done

start "$folder/quinterra.exe"
until_true window '^Quinterra \[20x20\]$' || fail "the installed game did not show its window"
kill "${pids[1]}"
until_true gone "${pids[1]}" || fail "the game did not end"

# As the system's list of programs does: the registered command, silently.
uninstall=$(sed -nE 's/^ +UninstallString +REG_SZ +"(.*)"$/\1/p' <<<"$registered")
wine "$uninstall" /S
until_true eval '[ ! -e "$folder" ]' || fail "the uninstaller left: $(cd "$folder" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the key $key"

# Without /D= it goes where a Windows user expects it, and leaves as well.
wine "$installer" /S
[ -f "$default/quinterra.exe" ] || fail "the installer's default folder is not Program Files\\Quinterra"
wine "$default/Uninstall.exe" /S
until_true eval '[ ! -e "$default" ]' || fail "the uninstaller left $default"
# The uninstaller runs from a copy in the temporary folder, which asks to be
# deleted at the next restart; Wine then leaves its emptied folder behind.
wineboot -r </dev/null >/dev/null 2>&1
for copy in "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp; do
    [ -e "$copy" ] && { rmdir "$copy" || fail "the uninstaller's copy stayed in $copy"; }
done
prefix_files | diff "$work/before" - >&2 || fail "the prefix differs from before the installation"
echo "installed, started and uninstalled without a trace"
