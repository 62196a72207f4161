#!/usr/bin/env bash
# Plays quinterra.exe as a player would and keeps the game in a file: three
# moves with the mouse, Ctrl+S and a name typed into the save dialog, Ctrl+N,
# then Ctrl+O and the same name. The file must hold exactly the moves seen on
# the screen, and the board must show the same stones again after opening.
# Usage: player-save-test.sh BUILD_DIR QUINTERRA_EXE
set -euo pipefail
build=$(cd "$1" && pwd)
exe=$2
root=$(cd "$(dirname "$0")/.." && pwd)
[ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine_up)" >&2; exit 1; }
export DISPLAY=":$(cat "$build/xvfb.display")"
work=$(mktemp -d)
# The folder as the game sees it: Wine shows the Unix root as drive Z:.
dos_work="Z:${work//\//\\}"

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

# Waits for a window whose title matches, and prints its id.
window_named() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
fail() {
    echo "FAIL: $1" >&2
    import -window root "$build/player-save-failure.png" 2>/dev/null || true
    exit 1
}

window=$(window_named '^Quinterra \[20x20\]$') || fail "the game window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
client_w=$((17 * 20 + 17 + 1))
client_h=$((17 * 20 + 17 + 53))
border=$(((WIDTH - client_w) / 2))
top=$((HEIGHT - border - client_h))
board_x=$((X + border))
board_y=$((Y + top + 32))
square_x() { echo $((board_x + 17 * $1 + 2)); }
square_y() { echo $((board_y + 17 * $1 + 2)); }

screenshot() { import -window root "$work/screen.png"; }
colours() {
    convert "$work/screen.png" -crop "15x15+$(square_x "$1")+$(square_y "$2")" +repage \
        -depth 8 -format %c histogram:info:- | sed -E 's/^ *([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2,\3,\4/'
}
has() { grep -q " $2\$" <<<"$1"; }
cross_at() { local s; s=$(colours "$1" "$2"); has "$s" "192,0,0" && ! has "$s" "0,0,192"; }
circle_at() { local s; s=$(colours "$1" "$2"); has "$s" "0,0,192" && ! has "$s" "192,0,0"; }
grey_at() { [ "$(colours "$1" "$2")" = "225 192,192,192" ]; }
wait_for() {
    for _ in $(seq 40); do
        screenshot
        "$@" && return 0
        sleep 0.25
    done
    return 1
}
# A click on the status strip gives the game the keyboard focus (there is
# no window manager to do it) and plays no move.
focus_game() {
    xdotool mousemove "$((board_x + 100))" "$((board_y + 17 * 20 + 18 + 10))" click 1
    sleep 0.2
}
# Presses a command key, then types a name into the file dialog it opens, until
# the title shows the expected name. Two tries: a key can go astray while the
# machine is busy.
through_dialog() {
    local key=$1 dialog_title=$2 name=$3 title=$4
    for _ in 1 2; do
        focus_game
        xdotool key --clearmodifiers "$key"
        window_named "$dialog_title" >/dev/null || continue
        sleep 0.5
        xdotool type --delay 20 "$name"
        xdotool key Return
        window_named "$title" >/dev/null && return 0
        # Whatever the dialog made of the keys, close it and try again.
        xdotool key Escape
        sleep 0.5
        xdotool key Escape
    done
    return 1
}

human=("10 10" "3 16" "16 4")
wait_for grey_at 10 10 || fail "the empty board was not drawn"
for move in "${human[@]}"; do
    set -- $move
    xdotool mousemove "$(($(square_x "$1") + 7))" "$(($(square_y "$2") + 7))" click 1
    wait_for cross_at "$1" "$2" || fail "no cross at ($1,$2) after the click"
done
sleep 0.5
screenshot
cp "$work/screen.png" "$work/played.png"

through_dialog ctrl+s 'Ulo|Save' "$dos_work\\partie" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after saving"
[ -s "$work/partie.hra" ] || fail "no file partie.hra was written"

# The file: the stored form turns each 0D 0A back into 0A; then magic,
# version, eleven little-endian fields and 16 bytes for each turn.
mapfile -t stored < <(od -An -v -tu1 "$work/partie.hra" | tr -s ' ' '\n' | sed '/^$/d')
logical=()
for ((i = 0; i < ${#stored[@]}; i++)); do
    if [ "${stored[i]}" = 13 ] && [ "${stored[i + 1]:-}" = 10 ]; then continue; fi
    [ "${stored[i]}" = 10 ] && [ "${stored[i - 1]:-}" != 13 ] && fail "a line end in the file is not stored as 0D 0A"
    logical+=("${stored[i]}")
done
u32() { local o=$1; echo $((logical[o] | logical[o + 1] << 8 | logical[o + 2] << 16 | logical[o + 3] << 24)); }
[ "${#logical[@]}" -eq $((49 + 16 * 3)) ] || fail "the game is ${#logical[@]} bytes long, not 49 + 3 turns"
[ "${logical[*]:0:5}" = "72 82 65 6 1" ] || fail "the file does not begin HRA 06 01"
expect() { [ "$(u32 "$1")" = "$2" ] || fail "field at $1 is $(u32 "$1"), not $2 ($3)"; }
expect 5 20 width
expect 9 20 height
expect 13 2 "current turn"
expect 17 2 "last turn"
expect 21 1 "last turn holds the human's move"
expect 25 1 "last turn holds the reply"
[ "$(u32 29)" -lt $((1 << 31)) ] || fail "the clock is negative"
expect 33 0 "first column"
expect 37 0 "first row"
expect 41 20 "visible columns"
expect 45 20 "visible rows"
replies=()
for t in 0 1 2; do
    set -- ${human[t]}
    expect $((49 + 16 * t)) "$1" "turn $t human column"
    expect $((53 + 16 * t)) "$2" "turn $t human row"
    replies+=("$(u32 $((57 + 16 * t))) $(u32 $((61 + 16 * t)))")
done
# The computer's replies in the file are the circles that were on the screen.
cp "$work/played.png" "$work/screen.png"
for reply in "${replies[@]}"; do
    set -- $reply
    circle_at "$1" "$2" || fail "the file has a reply at ($1,$2), but the screen showed no circle there"
done
echo "partie.hra holds the three moves and the replies seen on the screen"

focus_game
xdotool key --clearmodifiers ctrl+n
window_named 'Zahájit|novou' >/dev/null || fail "New did not ask"
sleep 0.3
xdotool key Return
window_named '^Quinterra \[20x20\]$' >/dev/null || fail "the title still names a file after New"
wait_for grey_at 10 10 || fail "the board is not empty after New"

through_dialog ctrl+o 'Otev|Open' "$dos_work\\partie.hra" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after opening"
all_back() {
    local m
    for m in "${human[@]}"; do cross_at $m || return 1; done
    for m in "${replies[@]}"; do circle_at $m || return 1; done
}
wait_for all_back || fail "the opened game does not show the same stones"
echo "after New and Open the same crosses and circles are back"
