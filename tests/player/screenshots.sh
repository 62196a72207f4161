#!/usr/bin/env bash
# Takes the README's pictures as a player would see them: a game in progress
# and the settings dialog, from the built game on the test display. Writes
# them into BUILD_DIR/docs and checks that each shows what it should;
# `cp BUILD_DIR/docs/*.png docs/` refreshes the README's copies.
# Usage: screenshots.sh BUILD_DIR QUINTERRA_EXE
set -euo pipefail
source "$(dirname "$0")/player-lib.sh"
player_start "$1" "$2"
out="$build/docs"
mkdir -p "$out"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
player_window
sleep 1

# A few turns of a real game; the computer answers each.
for square in "10 10" "11 9" "9 11" "12 8" "10 9"; do
    click_square $square
    sleep 0.3
done
xdotool mousemove $((board_x + 17 * 14 + 9)) $((board_y + 17 * 14 + 9))
sleep 1.2
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/game.png"
blue=$(convert "$out/game.png" -fill black +opaque 'rgb(0,0,192)' -fill white -opaque 'rgb(0,0,192)' \
    -format '%[fx:round(mean*w*h)]' info:)
[ "$blue" -gt 100 ] || fail "the game picture shows no circles"

xdotool mousemove $((X + 100)) $((Y + 10)) click 1
sleep 0.3
xdotool key ctrl+t
dialog=$(window_named '^Nastavení$') || fail "Ctrl+T opened no settings dialog"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$dialog")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/settings.png"
xdotool key Escape
echo "pictures in $out"
