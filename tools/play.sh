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
cmake --build "$build" --target quinterra quinterra_help quinterra_debian_files

# The same start as the Debian package's launcher, with the prefix in the tree.
QUINTERRA_ICON="$build/packaging/icons/64x64/quinterra.png" \
    exec bash packaging/linux/wine-player.sh "$build/playprefix" "$build/app/quinterra.exe"
