#!/usr/bin/env bash
# Installs what is missing, builds quinterra.exe and starts it under Wine, on
# the user's display, in a Wine prefix of its own inside the build tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh

build="$root/build/windows"
# The toolchain is read only when the tree is first configured; named again,
# CMake warns that it went unused.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTERRA_WERROR=ON >/dev/null
fi
cmake --build "$build" --target quinterra quinterra_help

export WINEPREFIX="$build/playprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Central European code page, and with it the Czech letters of the
# menus and dialogs, comes from the locale.
export LC_ALL=cs_CZ.UTF-8
if [ -z "${DISPLAY:-}" ]; then
    echo "play.sh: no DISPLAY; the game needs a graphical desktop" >&2
    exit 1
fi
if [ ! -f "$WINEPREFIX/.quinterra-ready" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once, about a quarter of a minute)"
    wineboot -i </dev/null >"$build/playprefix.log" 2>&1
    wineserver -w
    # Without these the caption buttons draw as letters.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts"/ 2>/dev/null || true
    touch "$WINEPREFIX/.quinterra-ready"
fi
exec wine "$build/app/quinterra.exe"
