#!/usr/bin/env bash
# Plays three moves of quinterra.exe, saves the game through the save dialog,
# checks the file's bytes against the screen, starts a new game and opens the
# file through the open dialog: the same stones come back. On the way it takes
# the README's pictures into BUILD_DIR/docs (copy them to docs/ to refresh).
# Usage: player-save.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
start_game
# The folder as the game sees it: Wine shows the Unix root as drive Z:.
dos_work="Z:${work//\//\\}"

# Presses a command key and types a name into the file dialog it opens, until
# the title names the file. Two tries: a key can go astray on a busy machine.
through_dialog() {
    for _ in 1 2; do
        keys "$1"
        if window_named "$2" >/dev/null; then
            xdotool sleep 0.5 type --delay 20 "$3"
            xdotool key Return
            window_named "$4" >/dev/null && return 0
        fi
        xdotool key Escape
        xdotool sleep 0.5 key Escape  # whatever the dialog made of the keys
    done
    return 1
}

human=("10 10" "3 16" "16 4")
wait_for grey_at 10 10 || fail "the empty board was not drawn"
for move in "${human[@]}"; do
    click_square $move
    wait_for cross_at $move || fail "no cross at ($move) after the click"
done
# The pointer over a square, so that the picture shows its coordinates.
point $((17 * 14 + 9)) $((32 + 17 * 14 + 9)) sleep 1.2
screenshot
cp "$work/screen.ppm" "$work/played.ppm"
mkdir -p "$build/docs"
convert "$work/played.ppm" "$build/docs/game.png"
keys ctrl+t
dialog=$(window_named '^Nastavení$') || fail "Ctrl+T opened no settings dialog"
sleep 0.5
import -window "$dialog" "$build/docs/settings.png"
xdotool key Escape

through_dialog ctrl+s 'Ulo|Save' "$dos_work\\partie" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after saving"
# Line ends are stored as 0D 0A; undone, the bytes are the magic HRA, version
# 6.1, then little-endian fields: width, height, current and last turn, both
# halves of the last turn, the clock (-: not checked), scroll origin, visible
# columns and rows; then each turn's move and its reply.
perl -0777 -ne 'exit(/(?<!\r)\n/ ? 1 : 0)' "$work/partie.hra" || fail "a line end in the file is not stored as 0D 0A"
perl -0777 -pe 's/\r\n/\n/g' "$work/partie.hra" >"$work/game.bytes"
[ "$(head -c 5 "$work/game.bytes" | od -An -tu1 | xargs)" = "72 82 65 6 1" ] || fail "the file does not begin HRA 06 01"
[ "$(stat -c %s "$work/game.bytes")" -eq $((49 + 16 * 3)) ] || fail "the file does not hold the game of 3 turns"
read -ra got <<<"$(od -An -v -tu4 -j 5 "$work/game.bytes" | xargs)"
want=(20 20 2 2 1 1 - 0 0 20 20)
for t in 0 1 2; do want+=(${human[t]} - -); done
for i in "${!want[@]}"; do
    [ "${want[i]}" = - ] || [ "${got[i]}" = "${want[i]}" ] || fail "field $i of the file is ${got[i]}, not ${want[i]}"
done
replies=("${got[13]} ${got[14]}" "${got[17]} ${got[18]}" "${got[21]} ${got[22]}")
# The computer's replies in the file are the circles that were on the screen.
cp "$work/played.ppm" "$work/screen.ppm"
for m in "${replies[@]}"; do circle_at $m || fail "the file has a reply at ($m), but no circle was there"; done
echo "partie.hra holds the three moves and the replies seen on the screen"

keys ctrl+n
window_named 'Zahájit|novou' >/dev/null || fail "New did not ask"
xdotool sleep 0.3 key Return
window_named '^Quinterra \[20x20\]$' >/dev/null || fail "the title still names a file after New"
wait_for grey_at 10 10 || fail "the board is not empty after New"
through_dialog ctrl+o 'Otev|Open' "$dos_work\\partie.hra" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after opening"
all_back() {
    for m in "${human[@]}"; do cross_at $m || return 1; done
    for m in "${replies[@]}"; do circle_at $m || return 1; done
}
wait_for all_back || fail "the opened game does not show the same stones"
echo "after New and Open the same crosses and circles are back"
