#!/bin/bash
# Starts a Windows build of Quinterra under Wine on the user's desktop, in the
# given Wine prefix, never the user's default one. The first start makes the
# prefix with what every Czech letter needs: Wine's own fonts (without them the
# caption buttons draw as letters) and a Czech locale (Wine takes its code
# page, and so the letters of menus and dialogs, from it).
# Usage: wine-player.sh PREFIX GAME.EXE [ARGS...]
set -euo pipefail
export WINEPREFIX=$1
game=$2
shift 2
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries or file types of Wine's own
# in the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

say() { echo "quinterra: $*" >&2; }
if [ -z "${DISPLAY:-}" ]; then
    say "no DISPLAY; the game needs a graphical desktop"
    exit 1
fi
# Debian's Wine makes a folder for its server's socket under TMPDIR and leaves
# it behind; kept in the prefix, all that the game makes stays in one folder.
export TMPDIR="$WINEPREFIX/tmp"
mkdir -p "$TMPDIR"

# A machine with just its own language generated lacks cs_CZ.UTF-8; then the
# prefix gets a compiled copy of its own, which needs no root.
czech=cs_CZ.UTF-8
has_czech() { [ "$(LC_ALL=$czech locale charmap 2>/dev/null)" = UTF-8 ]; }
if ! has_czech; then
    own="$WINEPREFIX/locale"
    if [ ! -d "$own/$czech" ]; then
        say "compiling the $czech locale into $own (once)"
        mkdir -p "$own"
        localedef -c -i cs_CZ -f UTF-8 "$own/$czech" >/dev/null 2>&1 || true
    fi
    export LOCPATH=$own
fi
if has_czech; then
    export LC_ALL=$czech
else
    unset LOCPATH
    say "the $czech locale is missing and could not be made (is the 'locales' package installed?);" \
        "Czech letters in menus and dialogs may show wrongly"
fi

if [ ! -f "$WINEPREFIX/.quinterra-ready" ]; then
    say "preparing the Wine prefix $WINEPREFIX (once, about a quarter of a minute)"
    wineboot -i </dev/null >"$WINEPREFIX/wineboot.log" 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quinterra-ready"
fi
"$(dirname "${BASH_SOURCE[0]}")/prefix-fonts.sh" "$WINEPREFIX"
exec wine "$game" "$@"
