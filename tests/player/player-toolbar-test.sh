#!/usr/bin/env bash
# Plays quinterra.exe's toolbar as a player would, on the test display of a
# build tree: rests the pointer on the Hint button and looks for its raised
# frame, clicks it and looks for the hinted cross at (4,4) with the answering
# circle at (5,4), and for the New game and Undo buttons in colour; then
# plays (10,10) and double-clicks Undo, which takes back both turns.
# Usage: player-toolbar-test.sh BUILD_DIR QUINTERRA_EXE
set -euo pipefail
source "$(dirname "$0")/player-lib.sh"
player_start "$1" "$2"
player_window

# Buttons' left edges in the toolbar.
new_x=0
undo_x=128
hint_x=188

# Colour of a client pixel as "r,g,b".
pixel() {
    convert "$work/screen.png" -crop "1x1+$((client_x + $1))+$((client_y + $2))" +repage \
        -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:-
}
# The colours in a client rectangle W H X Y, one "count r,g,b" per line.
colours_in() { colours_at "$1" "$2" $((client_x + $3)) $((client_y + $4)); }

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
    cross=$(colours 4 4)
    circle=$(colours 5 4)
    has "$cross" 192,0,0 && ! has "$cross" 0,0,192 && has "$circle" 0,0,192 && ! has "$circle" 192,0,0
}
after_hint() { played && new_in_colour && undo_in_colour; }
second_turn() { has "$(colours 10 10)" 192,0,0; }
both_undone() { grey_at 4 4 && grey_at 5 4 && grey_at 10 10 && ! undo_in_colour; }
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
