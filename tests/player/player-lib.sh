# Sourced by the player tests: start quinterra.exe on a build tree's test
# display, find its window once it is fitted to its 20 x 20 squares, and look
# at squares on screenshots. Each test sets `set -euo pipefail` itself.
#
# After `player_start BUILD_DIR EXE`: $build, $work (a temporary folder, gone
# at exit), $game (the game's process, killed at exit) and DISPLAY are set.
# After `player_window`: $window, $client_x, $client_y (the main window's client
# area on the screen), $board_x, $board_y (the board view's).

player_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

player_finish() {
    if [ -n "${game:-}" ]; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    rm -rf "${work:-/nonexistent}"
}

player_start() {
    build=$(cd "$1" && pwd)
    local exe=$2
    [ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
    export DISPLAY=":$(cat "$build/xvfb.display")"
    work=$(mktemp -d)
    game=""
    trap player_finish EXIT
    "$player_root/tools/wine-run.sh" "$build" "$exe" </dev/null >"$work/game.log" 2>&1 &
    game=$!
}

# Prints the id of a visible window whose title matches, waiting up to 10 s.
window_named() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

player_window() {
    window=$(window_named '^Quinterra \[20x20\]$') || { echo "FAIL: the game window did not appear" >&2; exit 1; }
    # The client area holds 20 x 20 squares: 17*20 + 17 + 1 wide, 17*20 + 17 +
    # 53 high. The window is created a pixel larger and fitted when shown:
    # wait for the fitted size, a frame as wide on the left as on the right.
    local client_w=$((17 * 20 + 17 + 1)) client_h=$((17 * 20 + 17 + 53))
    for _ in $(seq 50); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ $(((WIDTH - client_w) % 2)) -eq 0 ] && break
        sleep 0.1
    done
    local border=$(((WIDTH - client_w) / 2))
    client_x=$((X + border))
    client_y=$((Y + HEIGHT - border - client_h))
    board_x=$client_x
    board_y=$((client_y + 32))
}

screenshot() { import -window root "$work/screen.png"; }

# The colours in a rectangle W H X Y of the screen, one "count r,g,b" a line.
colours_at() {
    convert "$work/screen.png" -crop "$1x$2+$3+$4" +repage \
        -depth 8 -format %c histogram:info:- | sed -E 's/^ *([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2,\3,\4/'
}
# The colours in the 15 x 15 interior of board square (column, row).
colours() { colours_at 15 15 $((board_x + 17 * $1 + 2)) $((board_y + 17 * $2 + 2)); }
has() { grep -q " $2\$" <<<"$1"; }
cross_at() { local s; s=$(colours "$1" "$2"); has "$s" "192,0,0" && ! has "$s" "0,0,192"; }
circle_at() { local s; s=$(colours "$1" "$2"); has "$s" "0,0,192" && ! has "$s" "192,0,0"; }
grey_at() { [ "$(colours "$1" "$2")" = "225 192,192,192" ]; }
# Clicks the middle of board square (column, row).
click_square() { xdotool mousemove $((board_x + 17 * $1 + 9)) $((board_y + 17 * $2 + 9)) click 1; }

# Runs a check on fresh screenshots for up to ten seconds: the machine may be busy.
wait_for() {
    for _ in $(seq 40); do
        screenshot
        "$@" && return 0
        sleep 0.25
    done
    return 1
}
