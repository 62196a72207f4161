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

# The window shows 20 x 20 squares: its client area is 17*20 + 17 + 1 wide and
# 17*20 + 17 + 53 high. The frame is as wide on each side and at the bottom;
# what remains at the top is caption and menu bar.
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
screenshot() { import -window root "$work/screen.png"; }

# Each check looks again for a few seconds: the machine may be busy.
cross_at_10_10() {
    local seen
    seen=$(colours 10 10)
    has "$seen" "192,0,0" && has "$seen" "255,255,255" && ! has "$seen" "0,0,192"
}
circle_at_9_9() {
    local seen
    seen=$(colours 9 9)
    has "$seen" "0,0,192" && has "$seen" "255,255,255" && ! has "$seen" "192,0,0"
}
grey_at() { [ "$(colours "$1" "$2")" = "225 192,192,192" ]; }
both_grey() { grey_at 10 10 && grey_at 9 9; }
played() { cross_at_10_10 && circle_at_9_9; }
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
    echo "square (10,10):" >&2
    colours 10 10 >&2
    echo "square (9,9):" >&2
    colours 9 9 >&2
    cp "$work/screen.png" "$build/player-test-failure.png" 2>/dev/null || true
    exit 1
}

wait_for both_grey || fail "the empty board was not drawn"
xdotool mousemove "$(($(square_x 10) + 7))" "$(($(square_y 10) + 7))" click 1
wait_for played || fail "no red cross on white at (10,10) and blue circle on white at (9,9)"
echo "a red cross on white at (10,10), a blue circle on white at (9,9)"

if [ "$mode" = undo ]; then
    xdotool key --clearmodifiers ctrl+z
    wait_for both_grey || fail "the squares are not plain grey after Ctrl+Z"
    echo "Ctrl+Z took both stones back"
fi
