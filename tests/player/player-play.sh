#!/usr/bin/env bash
# What only real input shows (the rest is the app tests'): Hint and a click
# each play a turn, a double click on Undo is two Undos, F1 opens the help
# viewer (on the game's help: the desktop script reads its title), and Alt+F4
# closes the game together with the viewer.
# Usage: player-play.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
# Started from an unrelated folder: the game must find its help by its own path.
start_game

undo_x=128 hint_x=188 # the buttons' left edges in the toolbar
# The Undo arrow's blue shows only in colour.
undo_on() { [[ $(colours_at 24 24 $((undo_x + 1)) 5) == *"(0,0,255)"* ]]; }

wait_for grey_at 4 4 || fail "the empty board was not drawn"
# Two moves, so that the toolbar sees the pointer arrive.
point $((hint_x + 4)) 18
point $((hint_x + 2)) 20 sleep 0.3 click 1
hinted() { cross_at 4 4 && circle_at 5 4 && undo_on; }
wait_for hinted || fail "Hint played no cross at (4,4) with a circle at (5,4), or left Undo greyed"
click_square 10 10
wait_for cross_at 10 10 || fail "no cross at (10,10)"
# The toolbar takes no double clicks: the second click is a second Undo.
point $((undo_x + 4)) 18
point $((undo_x + 2)) 20 click --repeat 2 --delay 60 1
both_undone() { grey_at 4 4 && grey_at 5 4 && grey_at 10 10 && ! undo_on; }
wait_for both_undone || fail "a double click on Undo did not take back both turns"

keys F1
viewer=$(retry first_of viewers) || { keys F1 && viewer=$(retry first_of viewers); } || fail "F1 opened no help viewer"

# The viewer opens over the game: move it aside, click the game's caption to
# make it active, press Alt+F4. Closing the game asks the viewer to quit.
xdotool windowmove "$viewer" 400 0 sleep 0.5 mousemove $((X + 100)) $((Y + 10)) click 1 sleep 0.5 key alt+F4
closed() { gone "$game" && [ -z "$(viewers)" ]; }
retry closed || fail "after Alt+F4 $(gone "$game" && echo the viewer || echo the game) is still open"
echo "Alt+F4 closed the game and the viewer"
