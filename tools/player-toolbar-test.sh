#!/usr/bin/env bash
# Plays quinterra.exe's toolbar as a player would, on the test display of a
# build tree: rests the pointer on the Hint button and looks for its raised
# frame, clicks it and looks for the hinted cross at (4,4) with the answering
# circle at (5,4), and for the New game and Undo buttons in colour; then
# plays (10,10) and double-clicks Undo, which takes back both turns.
# Usage: player-toolbar-test.sh BUILD_DIR QUINTERRA_EXE
set -euo pipefail
build=$(cd "$1" && pwd)
exe=$2
root=$(cd "$(dirname "$0")/.." && pwd)
[ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)

game=""
finish() {
    if [ -n "$game" ]; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

"$root/tools/wine-run.sh" "$build" "$exe" </dev/null >"$work/game.log" 2>&1 &
game=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quinterra \[20x20\]$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the game window did not appear" >&2; exit 1; }

# The client area holds 20 x 20 squares: 17*20 + 17 + 1 wide, 17*20 + 17 + 53
# high; the frame is as wide on each side and at the bottom.
client_w=$((17 * 20 + 17 + 1))
client_h=$((17 * 20 + 17 + 53))
# The window is created a pixel larger and fitted when it is shown: wait for
# the fitted size (a frame as wide on the left as on the right).
for _ in $(seq 50); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ $(((WIDTH - client_w) % 2)) -eq 0 ] && break
    sleep 0.1
done
border=$(((WIDTH - client_w) / 2))
top=$((HEIGHT - border - client_h))
client_x=$((X + border))
client_y=$((Y + top))
board_x=$client_x
board_y=$((client_y + 32))

# Buttons' left edges in the toolbar.
new_x=0
undo_x=128
hint_x=188

screenshot() { import -window root "$work/screen.png"; }
# Colour of a client pixel as "r,g,b".
pixel() {
    convert "$work/screen.png" -crop "1x1+$((client_x + $1))+$((client_y + $2))" +repage \
        -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:-
}
# The colours in a client rectangle W H X Y, one "count r,g,b" per line.
colours_in() {
    convert "$work/screen.png" -crop "$1x$2+$((client_x + $3))+$((client_y + $4))" +repage \
        -depth 8 -format %c histogram:info:- | sed -E 's/^ *([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2,\3,\4/'
}
has() { grep -q " $2\$" <<<"$1"; }
square() { colours_in 15 15 $((17 * $1 + 2)) $((32 + 17 * $2 + 2)); }

# Raised: white on the top and left sides, shadow on the bottom and right.
# The pointer rests at the button's lower left (hint_x + 2, 20); the pixels
# looked at lie outside the arrow, should the screenshot show it.
frame() { echo "$(pixel $hint_x 15) $(pixel $((hint_x + 12)) 4) $(pixel $((hint_x + 25)) 15) $(pixel $((hint_x + 22)) 29)"; }
hint_raised() { [ "$(frame)" = "255,255,255 255,255,255 128,128,128 128,128,128" ]; }
hint_flat() {
    [ "$(pixel $hint_x 15)" = 192,192,192 ] && [ "$(pixel $((hint_x + 25)) 15)" = 192,192,192 ]
}
# The New game picture's black outline; the Undo arrow's blue: both greyed at start.
new_in_colour() { [ "$(pixel $((new_x + 2)) 6)" = 0,0,0 ]; }
undo_in_colour() { has "$(colours_in 24 24 $((undo_x + 1)) 5)" 0,0,255; }
greyed_at_start() { ! new_in_colour && ! undo_in_colour && hint_flat; }
played() {
    local cross circle
    cross=$(square 4 4)
    circle=$(square 5 4)
    has "$cross" 192,0,0 && ! has "$cross" 0,0,192 && has "$circle" 0,0,192 && ! has "$circle" 192,0,0
}
after_hint() { played && new_in_colour && undo_in_colour; }
grey_at() { [ "$(square "$1" "$2")" = "225 192,192,192" ]; }
second_turn() { has "$(square 10 10)" 192,0,0; }
both_undone() { grey_at 4 4 && grey_at 5 4 && grey_at 10 10 && ! undo_in_colour; }
wait_for() {
    for _ in $(seq 40); do
        screenshot
        "$@" && return 0
        sleep 0.25
    done
    return 1
}
fail() {
    echo "FAIL: $1" >&2
    echo "Hint's frame, left, top, right, bottom: $(frame)" >&2
    cp "$work/screen.png" "$build/player-toolbar-failure.png" 2>/dev/null || true
    exit 1
}

wait_for greyed_at_start || fail "New game and Undo are not greyed, or Hint not flat, at start"
# Two moves, so that the toolbar sees the pointer arrive.
xdotool mousemove $((client_x + hint_x + 4)) $((client_y + 18))
xdotool mousemove $((client_x + hint_x + 2)) $((client_y + 20))
wait_for hint_raised || fail "Hint is not raised under the pointer"
echo "Hint rises under the pointer"
xdotool click 1
wait_for after_hint || fail "no cross at (4,4) and circle at (5,4), or New game and Undo still greyed"
echo "Hint played (4,4), the reply is at (5,4); New game and Undo are enabled"

xdotool mousemove $((board_x + 17 * 10 + 9)) $((board_y + 17 * 10 + 9)) click 1
wait_for second_turn || fail "no cross at (10,10)"
# The toolbar takes no double clicks: the second click is a second Undo.
xdotool mousemove $((client_x + undo_x + 4)) $((client_y + 18))
xdotool mousemove $((client_x + undo_x + 2)) $((client_y + 20)) click --repeat 2 --delay 60 1
wait_for both_undone || fail "a double click on Undo did not take back both turns"
echo "a double click on Undo took back both turns"
