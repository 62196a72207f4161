#!/usr/bin/env bash
# Three moves, saved through the save dialog, New, and opened through the
# open dialog: the board is back as saved. On the way it takes the README's
# pictures into BUILD_DIR/docs (copy them to docs/ to refresh).
# Usage: player-save.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
start_game

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
mkdir -p "$build/docs" && convert "$work/played.ppm" "$build/docs/game.png"
keys ctrl+t
dialog=$(window_named '^Nastavení$') || fail "Ctrl+T opened no settings dialog"
sleep 0.5
import -window "$dialog" "$build/docs/settings.png"
xdotool key Escape

through_dialog ctrl+s 'Ulo|Save' "$dos_work\\partie" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after saving"
keys ctrl+n
window_named 'Zahájit|novou' >/dev/null || fail "New did not ask"
xdotool sleep 0.3 key Return
wait_for grey_at 10 10 || fail "the board is not empty after New"
through_dialog ctrl+o 'Otev|Open' "$dos_work\\partie.hra" '^Quinterra \[20x20\] partie\.hra$' ||
    fail "the title does not name partie.hra after opening"
# The board view's pixels, scroll bars aside.
same_board() {
    compare -metric AE -extract "341x341+$client_x+$((client_y + 32))" \
        "$work/played.ppm" "$work/screen.ppm" null: 2>/dev/null
}
wait_for same_board || fail "the opened game does not show the board as it was saved"
echo "after New and Open the board is back as it was saved"
