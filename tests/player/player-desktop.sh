#!/usr/bin/env bash
# The game as the launcher runs it (its prefix and fonts) under an openbox of
# its own: the window is framed, listed and focused; at any size the window
# manager gives, the view shows whole squares; maximised it shows at most
# 40 x 20 squares, centred, and restoring brings the earlier size back; the
# menu's Czech letters stand apart and the help's heading is bold.
# Usage: player-desktop.sh BUILD_DIR QUINTERRA_EXE
source "$(dirname "$0")/player-lib.sh"
# Asked again at each retry: the focus may come a moment after the map.
focused() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
start_on_desktop
# The window manager's frame around it, its entry in the list of windows a
# taskbar shows, and the focus.
[[ $(xprop -id "$window" _NET_FRAME_EXTENTS) =~ =\ [0-9]+,\ [0-9]+,\ [1-9] ]] || fail "the window has no frame"
[[ $(xprop -root _NET_CLIENT_LIST) == *"$(printf '%#x' "$window")"* ]] || fail "the window is not in the client list"
retry focused "$window" || fail "the new window did not get the focus"

# The colours of n pixels from (x, y) of the window rightwards (or
# downwards with "down"), as r,g,b words.
run() {
    local size="${3}x1"
    [ "${4:-}" = down ] && size="1x$3"
    convert "$work/screen.ppm" -crop "$size+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p' | xargs
}
# What a line through the middle of the first squares meets: the margin (or
# the window's edge), n empty squares each as its dark grid line, its light
# edge and 15 grey pixels, the closing grid line and the scroll bar's border.
across() {
    local s="${1:-}" i j
    for ((i = 0; i < $2; i++)); do
        s+=" 128,128,128 224,224,224"
        for ((j = 0; j < 15; j++)); do s+=" 192,192,192"; done
    done
    echo "${s# } 128,128,128 174,174,174"
}
# The board view with its top left at (bx, by) in the window shows exactly
# c x r whole squares, with the margin colour (if any) before it.
shows() {
    local bx=$1 by=$2 c=$3 r=$4 before=${5:-}
    local n=$((17 * c + 2)) m=$((17 * r + 2)) from=$bx top=$by
    [ -n "$before" ] && { from=$((bx - 1)) top=$((by - 1)) n=$((n + 1)) m=$((m + 1)); }
    [ "$(run $from $((by + 9)) $n)" = "$(across "$before" "$c")" ] &&
        [ "$(run $((bx + 9)) $top $m down)" = "$(across "$before" "$r")" ]
}
# The window as the window manager left it is exactly c x r squares and
# toolbar, view, scroll bars and status panel; and the screen shows them so.
fitted() {
    desktop_geometry
    [ $(((WIDTH - 18) % 17)) -eq 0 ] && [ $(((HEIGHT - 89) % 17)) -eq 0 ] || return 1
    cols=$(((WIDTH - 18) / 17)) rows=$(((HEIGHT - 89) / 17))
    [ "$cols $rows" = "$1 $2" ] && screenshot && shows 0 $((19 + 32)) "$cols" "$rows"
}
# Resizes the window to W x H, then it must show C x R squares.
resize() {
    wmctrl -i -r "$window" -e "0,100,100,$1,$2"
    retry fitted "$3" "$4" || fail "a resize to $1 x $2 left ${WIDTH}x$HEIGHT, not $3 x $4 whole squares"
}

retry fitted 20 20 || fail "at start the window is ${WIDTH}x$HEIGHT, not 20 x 20 whole squares"
# 250 x 250 holds 13 columns (233 / 17) and 9 rows (250 - 19 - 69 = 162 pixels).
resize 250 250 13 9
resize 600 500 20 20

keys ctrl+t
dialog=$(window_named '^Nastavení$') || fail "Ctrl+T opened no settings dialog"
retry focused "$dialog" || fail "the settings dialog did not get the focus"
# The focus starts on OK; two tabs on, the width field.
xdotool key Tab Tab type --delay 30 100
xdotool key Tab type --delay 30 100
xdotool key Return
window_named '^Quinterra \[100x100\]$' >/dev/null || fail "the board did not become 100 x 100"
retry fitted 40 20 || fail "the 100 x 100 board does not show 40 x 20 squares"
resize 250 250 13 9
restored="${WIDTH}x$HEIGHT"

wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
# The panels, 17 * 40 + 18 pixels wide and 32 + 17 * 20 + 18 + 20 high,
# centred below the menu bar, on grey.
maximised() {
    desktop_geometry
    [ "$WIDTH" -gt 698 ] && screenshot &&
        shows $(((WIDTH - 698 + 1) / 2)) $((19 + (HEIGHT - 19 - 410 + 1) / 2 + 32)) 40 20 192,192,192
}
retry maximised || fail "maximised to ${WIDTH}x$HEIGHT, the window does not show 40 x 20 whole squares centred"
[[ $(xprop -id "$window" _NET_WM_STATE) == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] || fail "the window is not maximised"
echo "maximised to ${WIDTH}x$HEIGHT, the window shows 40 x 20 whole squares in its middle"
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
retry fitted 13 9 && [ "${WIDTH}x$HEIGHT" = "$restored" ] ||
    fail "restored, the window is ${WIDTH}x$HEIGHT, not $restored as before"
echo "restored, the window is $restored again"

text_runs="$(dirname "$0")/text-runs.awk"
# A turn, so that no item of the first menu is greyed (drawn embossed, its
# letters touch).
click_square 5 5
wait_for cross_at 5 5 || fail "no cross at (5,5) after the click"

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
viewer=$(window_named '^Quinterra – nápověda$') || fail "the help did not open, titled as its source says"
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
