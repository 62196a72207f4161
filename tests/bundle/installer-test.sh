#!/usr/bin/env bash
# Makes the Windows installer and uses it in the test prefix: it greets in
# Czech, installs the bundle's files silently into a folder named or into
# Program Files, and the registered uninstaller takes away all it added.
# Usage: installer-test.sh BUILD_DIR (through ctest: fixture wine_up)
source "$(dirname "$0")/../lib/test-lib.sh"
use_build "$1"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
wine_run() { "$root/tools/wine-run.sh" "$build" "$@" </dev/null; }
prefix_files() { (cd "$WINEPREFIX/drive_c" && find . | sort); }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quinterra'
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quinterra.lnk"

pack NSIS 'quinterra-%s-win64.exe'
installer=$package
strings -el "$installer" | grep -A1 -x ProductVersion | grep -qx "$version" ||
    fail "the installer does not carry the version $version"
default="$WINEPREFIX/drive_c/Program Files/Quinterra"
[ ! -e "$default" ] && ! wine_run reg query "$key" >/dev/null 2>&1 ||
    fail "Quinterra is installed in the test prefix already; remove $WINEPREFIX"
prefix_files >"$work/before"

# Escape on the welcome page leaves without installing anything.
start_wine "$installer"
welcome=$(window_named '^Instalace Quinterra$') || fail "no installer window titled \"Instalace Quinterra\""
read -r _ _ X Y <<<"$(window_box "$welcome")"
xdotool mousemove $((X + 100)) $((Y + 200)) click 1 sleep 0.3 key Escape
retry gone "${pids[0]}" || fail "Escape did not close the installer"

# NSIS takes /D= unquoted, and Wine quotes an argument with a space.
folder="$work/Quinterra"
wine_run "$installer" /S "/D=$(winepath -w "$folder" 2>/dev/null)"
[ "$(files_in "$folder" ! -name Uninstall.exe)" = "$bundle_files" ] ||
    fail "the installer put into its folder: $(files_in "$folder")"
strings -el "$shortcut" | grep -qx 'quinterra.exe' || fail "no Start-menu entry \"Quinterra\" for the game"
registered=$(wine_run reg query "$key" | tr -d '\r')
for value in 'DisplayName +REG_SZ +Quinterra' "DisplayVersion +REG_SZ +$version" 'DisplayIcon +REG_SZ +.*\\quinterra.exe' \
    'UninstallString +REG_SZ +".*\\Quinterra\\Uninstall.exe"'; do
    grep -Eq "^ +$value$" <<<"$registered" || fail "the uninstall key lacks $value: $registered"
done

# As the system's list of programs does.
uninstall=$(sed -nE 's/^ +UninstallString +REG_SZ +"(.*)"$/\1/p' <<<"$registered")
wine_run "$uninstall" /S
retry eval '[ ! -e "$folder" ]' || fail "the uninstaller left: $(cd "$folder" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
! wine_run reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the key $key"

wine_run "$installer" /S
[ -f "$default/quinterra.exe" ] || fail "the installer's default folder is not Program Files\\Quinterra"
wine_run "$default/Uninstall.exe" /S
retry eval '[ ! -e "$default" ]' || fail "the uninstaller left $default"
# The uninstaller runs from a copy in the temporary folder, which asks to be
# deleted at the next restart; Wine then leaves its emptied folder behind.
wineboot -r </dev/null >/dev/null 2>&1
for copy in "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp; do
    [ ! -e "$copy" ] || rmdir "$copy" || fail "the uninstaller's copy stayed in $copy"
done
prefix_files | diff "$work/before" - >&2 || fail "the prefix differs from before the installation"
echo "installed into its folder and uninstalled without a trace"
