#!/usr/bin/env bash
# Plays quinterra.exe as a player would, on the test display of a build tree:
# a click on the board and the computer's answer, Ctrl+Z, the toolbar (Hint
# raised under the pointer and clicked, New game and Undo following the game,
# a double click on Undo), then F1 opening the help viewer, and Alt+F4
# closing the game together with the viewer.
# Usage: player-play.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
# Started from an unrelated folder: the game must find its help by its own path.
start_game

# Buttons' left edges in the toolbar.
undo_x=128
hint_x=188
pixel() {
    convert "$work/screen.ppm" -crop "1x1+$((client_x + $1))+$((client_y + $2))" +repage \
        -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:-
}
# Hint's left, top, right and bottom sides; the pointer rests at its lower
# left, away from these pixels. Raised: white top and left, shadowed bottom
# and right.
frame() { echo "$(pixel $hint_x 15) $(pixel $((hint_x + 12)) 4) $(pixel $((hint_x + 25)) 15) $(pixel $((hint_x + 22)) 29)"; }
hint_raised() { [ "$(frame)" = "255,255,255 255,255,255 128,128,128 128,128,128" ]; }
hint_flat() { [ "$(frame)" = "192,192,192 192,192,192 192,192,192 192,192,192" ]; }
# The New game picture's black outline and the Undo arrow's blue show only in colour.
new_on() { [ "$(pixel 2 6)" = 0,0,0 ]; }
undo_on() { [[ $(colours_at 24 24 $((undo_x + 1)) 5) == *"(0,0,255)"* ]]; }

at_start() { grey_at 10 10 && grey_at 9 9 && ! new_on && ! undo_on && hint_flat; }
wait_for at_start || fail "no empty board, or New game and Undo not greyed and Hint not flat, at start"
click_square 10 10
played() { cross_at 10 10 && circle_at 9 9 && new_on && undo_on; }
wait_for played || fail "no cross at (10,10) and circle at (9,9), or New game and Undo still greyed"
keys ctrl+z
undone() { grey_at 10 10 && grey_at 9 9 && ! undo_on; }
wait_for undone || fail "Ctrl+Z did not take back both stones and grey Undo again"
echo "a click played (10,10), the computer answered at (9,9), Ctrl+Z took both back"

# Two moves, so that the toolbar sees the pointer arrive.
point $((hint_x + 4)) 18
point $((hint_x + 2)) 20
wait_for hint_raised || fail "Hint is not raised under the pointer"
xdotool click 1
hinted() { cross_at 4 4 && circle_at 5 4 && undo_on; }
wait_for hinted || fail "Hint played no cross at (4,4) with a circle at (5,4), or left Undo greyed"
click_square 10 10
wait_for cross_at 10 10 || fail "no cross at (10,10)"
# The toolbar takes no double clicks: the second click is a second Undo.
point $((undo_x + 4)) 18
point $((undo_x + 2)) 20 click --repeat 2 --delay 60 1
both_undone() { grey_at 4 4 && grey_at 5 4 && grey_at 10 10 && ! undo_on; }
wait_for both_undone || fail "a double click on Undo did not take back both turns"
echo "Hint rose under the pointer and played (4,4); a double click on Undo took back two turns"

keys F1
viewer=$(retry first_of viewers) || { keys F1 && viewer=$(retry first_of viewers); } || fail "F1 opened no help viewer"
sleep 1
# A help file that the viewer cannot find shows an error box instead.
title=$(sed -n 's/^@title[[:space:]]*//p' "$root/help/quinterra.help.txt" | head -1)
[ "$(xdotool getwindowname "$viewer")" = "$title" ] || fail "the viewer is not titled '$title'"
[ "$(viewers | wc -l)" -eq 1 ] || fail "an error box beside the help?"
echo "F1 showed '$title'"

# The viewer opens over the game: move it aside, click the game's caption to
# make it active, press Alt+F4. Closing the game asks the viewer to quit.
xdotool windowmove "$viewer" 400 0 sleep 0.5 mousemove $((X + 100)) $((Y + 10)) click 1 sleep 0.5 key alt+F4
closed() { gone "$game" && [ -z "$(viewers)" ]; }
retry closed || fail "after Alt+F4 $(gone "$game" && echo the viewer || echo the game) is still open"
echo "Alt+F4 closed the game and the viewer"
