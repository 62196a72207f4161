#!/usr/bin/env bash
# Plays quinterra.exe as a player would and keeps the game in a file: three
# moves with the mouse, Ctrl+S and a name typed into the save dialog, Ctrl+N,
# then Ctrl+O and the same name. The file must hold exactly the moves seen on
# the screen, and the board must show the same stones again after opening.
# Usage: player-save-test.sh BUILD_DIR QUINTERRA_EXE
set -euo pipefail
source "$(dirname "$0")/player-lib.sh"
player_start "$1" "$2"
# The folder as the game sees it: Wine shows the Unix root as drive Z:.
dos_work="Z:${work//\//\\}"
fail() {
    echo "FAIL: $1" >&2
    import -window root "$build/player-save-failure.png" 2>/dev/null || true
    exit 1
}
player_window

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
    click_square "$1" "$2"
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
