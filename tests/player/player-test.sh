#!/usr/bin/env bash
# Plays quinterra.exe as a player would, on the test display of a build tree:
# clicks square (10,10) and checks the screen for the cross and the answering
# circle; with "undo" also presses Ctrl+Z and checks that both squares are
# empty again.
# Usage: player-test.sh BUILD_DIR QUINTERRA_EXE move|undo
set -euo pipefail
source "$(dirname "$0")/player-lib.sh"
mode=$3
player_start "$1" "$2"
player_window

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
both_grey() { grey_at 10 10 && grey_at 9 9; }
played() { cross_at_10_10 && circle_at_9_9; }
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
click_square 10 10
wait_for played || fail "no red cross on white at (10,10) and blue circle on white at (9,9)"
echo "a red cross on white at (10,10), a blue circle on white at (9,9)"

if [ "$mode" = undo ]; then
    xdotool key --clearmodifiers ctrl+z
    wait_for both_grey || fail "the squares are not plain grey after Ctrl+Z"
    echo "Ctrl+Z took both stones back"
fi
