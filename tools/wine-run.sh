#!/usr/bin/env bash
# Runs a Windows program of a build tree under that tree's own Wine prefix,
# on its own Xvfb display when the test fixture has started one.
# Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
set -eu
build=$1
shift
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -s "$build/xvfb.display" ]; then
    export DISPLAY=":$(cat "$build/xvfb.display")"
fi
# Wine picks the Central European code page, and so the Czech letters of
# dialog fonts, from the locale.
export LC_ALL=cs_CZ.UTF-8
exec wine "$@"
