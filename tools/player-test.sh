#!/usr/bin/env bash
# Plays quinterra.exe as a player would, on the test display of a build tree:
# clicks square (10,10) and checks the screen for the cross and the answering
# circle; with "undo" also presses Ctrl+Z and checks that both squares are
# empty again.
# Usage: player-test.sh BUILD_DIR QUINTERRA_EXE move|undo
set -euo pipefail
build=$(cd "$1" && pwd)
exe=$2
mode=$3
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
sleep 0.5

# The window shows 20 x 20 squares: its client area is 17*20 + 17 + 1 wide and
# 17*20 + 17 + 53 high. The frame is as wide on each side and at the bottom;
# what remains at the top is caption and menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
client_w=$((17 * 20 + 17 + 1))
client_h=$((17 * 20 + 17 + 53))
border=$(((WIDTH - client_w) / 2))
top=$((HEIGHT - border - client_h))
board_x=$((X + border))
board_y=$((Y + top + 32))

# Top-left pixel of the interior (15 x 15) of a square, on the screen.
square_x() { echo $((board_x + 17 * $1 + 2)); }
square_y() { echo $((board_y + 17 * $1 + 2)); }

# The colours in the interior of a square, one "count r,g,b" per line.
colours() {
    convert "$work/screen.png" -crop "15x15+$(square_x "$1")+$(square_y "$2")" +repage \
        -depth 8 -format %c histogram:info:- | sed -E 's/^ *([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2,\3,\4/'
}
has() { grep -q " $2\$" <<<"$1"; }
fail() {
    echo "FAIL: $1" >&2
    echo "$2" >&2
    cp "$work/screen.png" "$build/player-test-failure.png" 2>/dev/null || true
    exit 1
}
screenshot() { sleep 0.5; import -window root "$work/screen.png"; }

xdotool mousemove "$(($(square_x 10) + 7))" "$(($(square_y 10) + 7))" click 1
screenshot
cross=$(colours 10 10)
circle=$(colours 9 9)
has "$cross" "192,0,0" && has "$cross" "255,255,255" && ! has "$cross" "0,0,192" ||
    fail "no red cross on white at square (10,10)" "$cross"
has "$circle" "0,0,192" && has "$circle" "255,255,255" && ! has "$circle" "192,0,0" ||
    fail "no blue circle on white at square (9,9)" "$circle"
echo "a red cross on white at (10,10), a blue circle on white at (9,9)"

if [ "$mode" = undo ]; then
    xdotool key --clearmodifiers ctrl+z
    screenshot
    for square in "10 10" "9 9"; do
        # shellcheck disable=SC2086
        seen=$(colours $square)
        [ "$seen" = "225 192,192,192" ] || fail "square ($square) is not plain grey after Ctrl+Z" "$seen"
    done
    echo "Ctrl+Z took both stones back"
fi
