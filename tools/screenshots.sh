#!/usr/bin/env bash
# Takes the README's pictures as a player would see them: a game in progress
# and the settings dialog, from the built game on the test display. Writes
# them into BUILD_DIR/docs and checks that each shows what it should;
# `cp BUILD_DIR/docs/*.png docs/` refreshes the README's copies.
# Usage: screenshots.sh BUILD_DIR QUINTERRA_EXE
set -u
build=$(cd "$1" && pwd)
exe=$2
root=$(cd "$(dirname "$0")/.." && pwd)
out="$build/docs"
mkdir -p "$out"
game=
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() { [ -n "$game" ] && { kill "$game" 2>/dev/null; wait "$game" 2>/dev/null; }; }
trap cleanup EXIT

[ -s "$build/xvfb.display" ] || fail "no test display; run through ctest (fixture wine_up)"
export DISPLAY=":$(cat "$build/xvfb.display")"
"$root/tools/wine-run.sh" "$build" "$exe" </dev/null >/dev/null 2>&1 &
game=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quinterra \[20x20\]$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the game window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
client_w=$((17 * 20 + 17 + 1))
client_h=$((17 * 20 + 17 + 53))
border=$(((WIDTH - client_w) / 2))
top=$((HEIGHT - border - client_h))
board_x=$((X + border))
board_y=$((Y + top + 32))
click() { xdotool mousemove $((board_x + 17 * $1 + 9)) $((board_y + 17 * $2 + 9)) click 1; sleep 0.3; }

# A few turns of a real game; the computer answers each.
for square in "10 10" "11 9" "9 11" "12 8" "10 9"; do
    click $square
done
xdotool mousemove $((board_x + 17 * 14 + 9)) $((board_y + 17 * 14 + 9))
sleep 1.2
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/game.png"
blue=$(convert "$out/game.png" -fill black +opaque 'rgb(0,0,192)' -fill white -opaque 'rgb(0,0,192)' \
    -format '%[fx:round(mean*w*h)]' info:)
[ "$blue" -gt 100 ] || fail "the game picture shows no circles"

xdotool mousemove $((X + 100)) $((Y + 10)) click 1
sleep 0.3
xdotool key ctrl+t
dialog=
for _ in $(seq 50); do
    dialog=$(xdotool search --name '^Nastavení$' 2>/dev/null | head -1)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "Ctrl+T opened no settings dialog"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$dialog")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/settings.png"
xdotool key Escape
echo "pictures in $out"
