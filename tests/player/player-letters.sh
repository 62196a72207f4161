#!/usr/bin/env bash
# The game's texts in the launcher's prefix and fonts, under an openbox of its
# own: the status panel's clock is whole; each character of the menu's Czech
# items stands apart (a font that runs "ř" and "í" together joins their
# columns); the ring of the About box's "ů" stands clear of the u; the help's
# heading is bold, its strokes twice as wide as the text's.
# Usage: player-letters.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
start_on_desktop
desktop_geometry
text_runs="$(dirname "$0")/text-runs.awk"

# A won game of nine turns whose clock stopped at 00:01:59 (239 half
# seconds): the last digit of the clock and of the move counter ("9/9") is
# the same 9, drawn in the same font on the same ground.
perl -e '
my @human = ([1, 1], [1, 3], [1, 5], [1, 7], [10, 10], [11, 10], [12, 10], [13, 10], [14, 10]);
my @reply = ((map { [19, 2 * $_] } 0 .. 7), [0, 0]);
my $bytes = "HRA\x06\x01" . pack("V*", 20, 20, 8, 8, 1, 0, 239, 0, 0, 20, 20);
$bytes .= pack("V*", @{$human[$_]}, @{$reply[$_]}) for 0 .. 8;
$bytes =~ s/\n/\r\n/g;
print $bytes;' >"$work/won.hra"
through_dialog ctrl+o 'Otev|Open' "$dos_work\\won.hra" '^Quinterra \[20x20\] won\.hra$' ||
    fail "the won game did not open"

# The status panel's text rows (its bottom 16) over n columns from x0, grey;
# the grey of column x0 there; the last column that holds ink.
status_grey() { convert "$work/screen.ppm" -crop "$2x16+$1+$((HEIGHT - 16))" +repage -colorspace gray -depth 8 txt:-; }
status_column() { status_grey "$1" 1 | awk -F'[ ,:()]+' 'NR > 1 {print $4}' | xargs; }
last_ink() {
    status_grey "$1" "$2" |
        awk -F'[ ,:()]+' -v x0="$1" 'NR > 1 && $4 < 190 && $1 + x0 > last {last = $1 + x0} END {print last}'
}
# The last three columns of ink of the clock are those of the counter's 9.
clock_whole() {
    local counter clock i
    counter=$(last_ink 0 60) clock=$(last_ink $((WIDTH - 60)) 60)
    [ -n "$counter" ] && [ -n "$clock" ] || return 1
    for i in 0 1 2; do
        [ "$(status_column $((counter - i)))" = "$(status_column $((clock - i)))" ] || return 1
    done
}
wait_for clock_whole || fail "the clock's last 9 is not drawn as the move counter's 9"

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

# The About box's fourth line, right of its icon: "Počítač hledá tah podle
# vzorů v každé pětici polí", 41 characters besides the spaces, "ů" the 25th.
keys ctrl+a
about=$(window_named '^O programu$') || fail "the About box did not open"
clear_ring() {
    local w h x y
    read -r w h x y <<<"$(window_box "$about")"
    grab $((w - 50)) "$h" $((x + 50)) "$y" txt:"$work/about.txt" -colorspace gray -depth 8
    [ "$(awk -v line=4 -f "$text_runs" "$work/about.txt")" -eq 41 ] &&
        [ "$(awk -v line=4 -v piece=25 -f "$text_runs" "$work/about.txt")" -eq 2 ]
}
retry clear_ring || fail "the About box's \"vzorů\" is not drawn with its letters apart and the ring of its ů clear"
xdotool key Return

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
