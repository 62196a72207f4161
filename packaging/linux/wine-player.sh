#!/bin/bash
# Starts a Windows build of Quinterra under Wine on the user's desktop, in the
# given Wine prefix, never the user's default one. The first start makes the
# prefix with what every Czech letter needs: fonts (prefix-fonts.sh) and a
# Czech locale (Wine takes its code page, and so the letters of menus and
# dialogs, from it). While the prefix is being made, a small window says so,
# until the game's own window is there.
# Usage: wine-player.sh PREFIX GAME.EXE [ARGS...]
# QUINTERRA_ICON, when set, names the picture that window shows.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
export WINEPREFIX=$1
game=$2
shift 2
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries or file types of Wine's own
# in the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
source "$here/wine-prefix.sh"

say() { echo "quinterra: $*" >&2; }
if [ -z "${DISPLAY:-}" ]; then
    say "no DISPLAY; the game needs a graphical desktop"
    exit 1
fi
# Debian's Wine makes a folder for its server's socket under TMPDIR and leaves
# it behind; kept in the prefix, all that the game makes stays in one folder.
export TMPDIR="$WINEPREFIX/tmp"
mkdir -p "$TMPDIR"

# The window that covers a start which has to prepare something first; the
# game's window takes its place.
splash=""
show_splash() {
    [ -z "$splash" ] || return 0
    [ -x "$(command -v yad)" ] || { say "$1"; return 0; }
    # The desktop's startup notification belongs to the game's window.
    # A line a moment keeps the bar moving.
    (while sleep 0.2; do echo; done) |
        env -u DESKTOP_STARTUP_ID yad --progress --pulsate --progress-text=" " --no-buttons --center --fixed \
            --title=Quinterra --window-icon="${QUINTERRA_ICON:-quinterra}" --image="${QUINTERRA_ICON:-quinterra}" \
            --text="$1" >/dev/null 2>&1 9>&- &
    splash=$!
}
hide_splash() {
    [ -n "$splash" ] || return 0
    kill "$splash" 2>/dev/null || true
    wait "$splash" 2>/dev/null || true
    splash=""
}
trap hide_splash EXIT

first_start="Quinterra se připravuje na první spuštění.
Potrvá to asi čtvrt minuty."
case $(preparation) in
make) show_splash "$first_start" ;;
update) show_splash "Quinterra se připravuje na novou verzi Wine.
Potrvá to chvíli." ;;
# A prefix of an earlier release, with copies where links will be.
link) show_splash "Quinterra se připravuje ke spuštění.
Potrvá to chvíli." ;;
esac

# One start at a time prepares the locale and the prefix; a second start
# meanwhile waits for the first one's work and then finds nothing left to do.
exec 9>"$WINEPREFIX/.quinterra-lock"
if ! flock -n 9; then
    show_splash "$first_start"
    flock 9
fi
# A machine with just its own language generated lacks cs_CZ.UTF-8; then the
# prefix gets a compiled copy of its own, which needs no root.
czech=cs_CZ.UTF-8
has_czech() { [ "$(LC_ALL=$czech locale charmap 2>/dev/null)" = UTF-8 ]; }
if ! has_czech; then
    own="$WINEPREFIX/locale"
    if [ ! -d "$own/$czech" ]; then
        show_splash "$first_start"
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

# Asked again under the lock: a start that waited finds the work done.
needed=$(preparation)
case $needed in
make) say "preparing the Wine prefix $WINEPREFIX (once, about a quarter of a minute)" ;;
update) say "updating the Wine prefix $WINEPREFIX for the new Wine" ;;
esac
[ -z "$needed" ] || prepare_prefix "$needed"
# Only after the update: a Wine program started before it would update the
# prefix itself, through the links. Nothing started while the lock is held
# may keep it, and a Wine server outlives the start.
"$here/prefix-fonts.sh" "$WINEPREFIX" 9>&-
exec 9>&-

[ -n "$splash" ] || exec wine "$game" "$@"
wine "$game" "$@" &
running=$!
trap 'kill "$running" 2>/dev/null || true' TERM INT HUP
for _ in $(seq 1200); do
    xdotool search --onlyvisible --pid "$running" >/dev/null 2>&1 && break
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
hide_splash
wait "$running"
