# Sourced by the player tests with their arguments BUILD_DIR QUINTERRA_EXE:
# starts the game on the build tree's test display from a temporary folder
# ($work, gone at exit, as is the game), and looks at the screen as a player.
set -euo pipefail
build=$(cd "$1" && pwd)
exe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)
game=""
finish() {
    [ -n "$game" ] && { kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; }
    # A help viewer that the game left behind must not confuse the next test.
    for w in $(xdotool search --classname winhlp32 2>/dev/null); do
        kill "$(xdotool getwindowpid "$w" 2>/dev/null)" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    cp "$work/screen.ppm" "$build/$(basename "$0" .sh)-failure.ppm" 2>/dev/null || true
    exit 1
}
# Runs a command until it succeeds, for up to 20 s: the machine may be busy.
retry() {
    for _ in $(seq 80); do "$@" && return 0 || sleep 0.25; done
    return 1
}
# Prints the id of a visible window whose title matches.
window_named() { retry visible "$1"; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .; }
# Runs a check on fresh screenshots.
wait_for() { retry seen "$@"; }
seen() { screenshot && "$@"; }

# Starts the game and waits until its window is fitted to 20 x 20 squares
# (it is created a pixel larger and fitted when shown). Then X and Y are its
# place on the screen, client_x and client_y the client area's in it.
start_game() {
    (cd "$work" && exec "$root/tools/wine-run.sh" "$build" "$exe" </dev/null >"$work/game.log" 2>&1) &
    game=$!
    window=$(window_named '^Quinterra \[20x20\]$') || fail "the game window did not appear"
    # Squares, the view's outer line and a scroll bar; toolbar and status panel.
    client_w=$((17 * 20 + 1 + 17)) client_h=$((32 + 17 * 20 + 1 + 17 + 20))
    fitted() {
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ $(((WIDTH - client_w) % 2)) -eq 0 ]
    }
    retry fitted || fail "the game window was not fitted to its squares"
    client_x=$(((WIDTH - client_w) / 2))
    client_y=$((HEIGHT - client_x - client_h))
}

# The game window as it is on the screen now.
screenshot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/screen.ppm"; }
# The colours in a rectangle W H X Y of the client area, one "count: (r,g,b) ..." a line.
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

# Starts an openbox of its own on the test display, then the game as the
# launcher starts it (packaging/linux/wine-player.sh, whose prefix the window
# manager frames), in the prefix that the build tree keeps for it; both, and
# the prefix's Wine server, go at exit. Then window is the game's window.
start_on_desktop() {
    wmctrl -m >/dev/null 2>&1 && { echo "a window manager already runs on $DISPLAY" >&2; exit 1; }
    openbox --sm-disable </dev/null >"$work/openbox.log" 2>&1 &
    openbox=$!
    prefix="$build/desktopprefix"
    trap desktop_down EXIT
    retry wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
    (cd "$work" && exec bash "$root/packaging/linux/wine-player.sh" "$prefix" "$exe" </dev/null >"$work/game.log" 2>&1) &
    game=$!
    window=$(window_named '^Quinterra \[20x20\]$') || fail "the game window did not appear"
}
desktop_down() {
    finish
    WINEPREFIX="$prefix" TMPDIR="$prefix/tmp" wineserver -k >/dev/null 2>&1 || true
    kill "$openbox" 2>/dev/null || true
    wait "$openbox" 2>/dev/null || true
}
# Where a framed window's contents are on the screen: "WIDTH HEIGHT X Y".
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        / Width:/ {w = $2} / Height:/ {h = $2} END {print w, h, x, y}'
}
# X, Y, WIDTH and HEIGHT of the game window's contents: the menu bar (19
# pixels), then the client area at client_y.
desktop_geometry() {
    read -r WIDTH HEIGHT X Y <<<"$(window_box "$window")"
    client_x=0 client_y=19 client_h=$((HEIGHT - 19))
}
