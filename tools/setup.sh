#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing need, and
# the Czech locale that Wine takes its code page from. Does nothing (quickly)
# when everything is there already. Run as root, or with sudo at hand.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev     # native build, sanitizers, fuzzer
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64     # the Windows build and windres
    doctest-dev libbenchmark-dev                       # tests and benchmarks
    wine wine64 fonts-wine fonts-dejavu-extra          # running the Windows build
    xvfb xdotool imagemagick x11-utils                 # a private display, a player's clicks, screenshots
    openbox wmctrl                                     # a window manager that sizes the game as a desktop does
    locales
    yad                                                # the window that covers a first start
    nsis                                               # the Windows installer
    desktop-file-utils appstream lintian               # checking the Debian package as Debian would
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
    echo "Generating the cs_CZ.UTF-8 locale"
    $sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
