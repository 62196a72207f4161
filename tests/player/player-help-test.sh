#!/usr/bin/env bash
# F1 as a player presses it: the help viewer opens quinterra.hlp on its
# contents topic, whatever the game's working folder, and closing the game
# closes the viewer too.
# Usage: player-help-test.sh BUILD_DIR QUINTERRA_EXE
set -u
build=$(cd "$1" && pwd)
exe=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
game=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() {
    [ -n "$game" ] && { kill "$game" 2>/dev/null; wait "$game" 2>/dev/null; }
    # A viewer left behind by a failure must not confuse the next test.
    for w in $(xdotool search --classname winhlp32 2>/dev/null); do
        pid=$(xdotool getwindowpid "$w" 2>/dev/null) && kill "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

[ -s "$build/xvfb.display" ] || fail "no test display; run through ctest (fixture wine_up)"
export DISPLAY=":$(cat "$build/xvfb.display")"
title=$(sed -n 's/^@title[[:space:]]*//p' "$root/help/quinterra.help.txt" | head -1)

viewer_window() { xdotool search --onlyvisible --classname winhlp32 2>/dev/null | head -1; }
[ -z "$(viewer_window)" ] || fail "a help viewer is open already"

# Started from an unrelated folder: the game must find its help by its own path.
(cd "$work" && exec "$root/tools/wine-run.sh" "$build" "$exe" </dev/null >"$work/game.log" 2>&1) &
game=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quinterra \[20x20\]$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the game window did not appear"

viewer=
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --window "$window" F1
    for _ in $(seq 50); do
        viewer=$(viewer_window)
        [ -n "$viewer" ] && break 2
        sleep 0.2
    done
done
[ -n "$viewer" ] || fail "F1 opened no help viewer"
sleep 1
name=$(xdotool getwindowname "$viewer")
[ "$name" = "$title" ] || fail "the viewer is titled '$name', not '$title' (a missing file shows an error instead)"
windows=$(xdotool search --onlyvisible --classname winhlp32 | wc -l)
[ "$windows" -eq 1 ] || fail "$windows viewer windows: an error box beside the help?"

eval "$(xdotool getwindowgeometry --shell "$viewer")"
import -window root -crop "$((WIDTH - 8))x$((HEIGHT - 78))+$((X + 4))+$((Y + 70))" +repage "$work/help.png"
cp "$work/help.png" "$build/player-help.png" 2>/dev/null
dark=$(convert "$work/help.png" -colorspace gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
[ "$dark" -gt 200 ] || fail "the contents topic shows no text ($dark dark pixels)"

# Closing the game asks the viewer to quit. The viewer opens over the game:
# move it aside, click the game's caption to make it active, press Alt+F4.
xdotool windowmove "$viewer" 400 0
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 10)) click 1
sleep 0.5
xdotool key alt+F4
for _ in $(seq 100); do
    if [ -z "$(viewer_window)" ] && ! kill -0 "$game" 2>/dev/null; then
        game=
        echo "F1 showed '$name'; closing the game closed the viewer"
        exit 0
    fi
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the game did not close on Alt+F4"
fail "the help viewer stayed open after the game closed"
