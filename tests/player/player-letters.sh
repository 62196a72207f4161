#!/usr/bin/env bash
# The game's texts in the launcher's prefix and fonts, under an openbox of its
# own: each character of the menu's Czech items stands apart (a font that
# runs "ř" and "í" together joins their columns); the help's heading is bold,
# its strokes twice as wide as the text's.
# Usage: player-letters.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
start_on_desktop
desktop_geometry
text_runs="$(dirname "$0")/text-runs.awk"
# A turn, so that no item of the first menu is greyed (drawn embossed, its
# letters touch).
click_square 10 10
wait_for cross_at 10 10 || fail "no cross at (10,10) after the click"

# The popup of the first menu, under the menu bar at the window's left; the
# items' texts left of their keys, line by line, and their characters (the J
# of "Uložit Jako..." may touch its neighbours in a good font too).
xdotool mousemove $((X + 12)) $((Y + 9)) click 1
items=("Nová" "Otevřít..." "Uložit" "-" "Nastavení..." "Konec")
apart() {
    local i runs
    grab 74 150 $((X + 4)) $((Y + 19)) txt:"$work/menu.txt" -colorspace gray -depth 8
    for i in "${!items[@]}"; do
        [ "${items[i]}" = - ] && continue
        runs=$(awk -v line=$((i + 1)) -f "$text_runs" "$work/menu.txt")
        [ "$runs" -eq "${#items[i]}" ] || return 1
    done
}
retry apart || fail "the characters of the menu's items do not stand apart"
xdotool key Escape Escape

# The help's first two lines of ink under the viewer's menu and buttons are
# the topic's heading and the first line of its text.
keys F1
viewer=$(window_named 'nápověda$') || fail "the help did not open"
stroke_widths() {
    local line
    for line in 1 2; do awk -v line=$line -v strokes=1 -f "$text_runs" "$work/help.txt"; done | xargs
}
heading_bold() {
    local w h x y heading text
    read -r w h x y <<<"$(window_box "$viewer")"
    grab "$w" $((h - 42)) "$x" $((y + 42)) txt:"$work/help.txt" -colorspace gray -depth 8
    read -r heading text <<<"$(stroke_widths)"
    awk -v a="$heading" -v b="$text" 'BEGIN { exit !(a >= 2 * b) }'
}
retry heading_bold || fail "the help's heading is not bold (strokes: $(stroke_widths))"
echo "the help's heading is bold (strokes of heading and text: $(stroke_widths) px)"
