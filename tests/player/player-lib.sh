# Sourced by the player tests (arguments BUILD_DIR QUINTERRA_EXE): starts the
# game from a temporary folder ($work) and looks at the screen as a player.
source "$(dirname "${BASH_SOURCE[0]}")/../lib/test-lib.sh"
use_build "$1"
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
# Runs a check on fresh screenshots.
wait_for() { retry seen "$@"; }
seen() { screenshot && "$@"; }

# Starts the game and waits until its window is fitted to 20 x 20 squares
# (it is created a pixel larger and fitted when shown). Then X and Y are its
# place on the screen, client_x and client_y the client area's in it.
start_game() {
    start_wine "$exe"
    game=$!
    window=$(window_named '^Quinterra \[20x20\]$') || fail "the game window did not appear"
    # Squares, the view's outer line and a scroll bar; toolbar and status panel.
    client_w=$((17 * 20 + 1 + 17)) client_h=$((32 + 17 * 20 + 1 + 17 + 20))
    fitted() {
        read -r WIDTH HEIGHT X Y <<<"$(window_box "$window")"
        [ $(((WIDTH - client_w) % 2)) -eq 0 ]
    }
    retry fitted || fail "the game window was not fitted to its squares"
    client_x=$(((WIDTH - client_w) / 2))
    client_y=$((HEIGHT - client_x - client_h))
}

# The game window as it is on the screen now.
screenshot() { grab "$WIDTH" "$HEIGHT" "$X" "$Y" "$work/screen.ppm"; }
# The colours in a rectangle W H X Y of the client area, a "count: (r,g,b) ..." a line.
colours_at() {
    convert "$work/screen.ppm" -crop "$1x$2+$((client_x + $3))+$((client_y + $4))" +repage \
        -depth 8 -format %c histogram:info:-
}
# The 15 x 15 interior of board square (column, row): a red cross, a blue
# circle, or nothing but grey.
square() { colours_at 15 15 $((17 * $1 + 2)) $((32 + 17 * $2 + 2)); }
cross_at() { local s; s=$(square "$1" "$2"); [[ $s == *"(192,0,0)"* && $s != *"(0,0,192)"* ]]; }
circle_at() { local s; s=$(square "$1" "$2"); [[ $s == *"(0,0,192)"* && $s != *"(192,0,0)"* ]]; }
grey_at() { local s; s=$(square "$1" "$2"); [[ $s == *"225: (192,192,192)"* && $s != *$'\n'* ]]; }
# Moves the pointer to a point of the client area; xdotool commands may follow.
point() { xdotool mousemove $((X + client_x + $1)) $((Y + client_y + $2)) "${@:3}"; }
click_square() { point $((17 * $1 + 9)) $((32 + 17 * $2 + 9)) click 1; }
# A click on the status strip gives the game the keyboard focus (there is no
# window manager to do it) and plays no move; then the keys.
keys() { point 100 $((client_h - 10)) click 1 sleep 0.2 key --clearmodifiers "$@"; }
# $work as the game sees it: Wine shows the Unix root as drive Z:.
dos_work="Z:${work//\//\\}"
# Presses KEY and types NAME into the file dialog titled DIALOG_TITLE, until the
# game's title is GAME_TITLE; twice, as a key can go astray on a busy machine.
through_dialog() {
    for _ in 1 2; do
        keys "$1"
        if window_named "$2" >/dev/null; then
            xdotool sleep 0.5 type --delay 20 "$3"
            xdotool key Return
            window_named "$4" >/dev/null && return 0
        fi
        xdotool key Escape
        xdotool sleep 0.5 key Escape  # whatever the dialog made of the keys
    done
    return 1
}

# Starts an openbox of its own, then the game as the launcher does (through
# wine-player.sh, in a prefix the build tree keeps for it); window is its window.
start_on_desktop() {
    wmctrl -m >/dev/null 2>&1 && { echo "a window manager already runs on $DISPLAY" >&2; exit 1; }
    start openbox --sm-disable
    prefix="$build/desktopprefix"
    trap 'finish; WINEPREFIX="$prefix" TMPDIR="$prefix/tmp" wineserver -k >/dev/null 2>&1 || true' EXIT
    retry wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
    start bash "$root/packaging/linux/wine-player.sh" "$prefix" "$exe"
    # The first start makes the prefix, which takes a while on a busy machine.
    window=$(patience=60 window_named '^Quinterra \[20x20\]$') || fail "the game window did not appear"
}
# The game window's place and size; its client area starts under the 19-pixel menu bar.
desktop_geometry() {
    read -r WIDTH HEIGHT X Y <<<"$(window_box "$window")"
    client_x=0 client_y=19 client_h=$((HEIGHT - 19))
}
