#!/usr/bin/env bash
# Wine's help viewer opens quinterra.hlp, and the first link (green) of its
# contents leads to a topic, without an error box (the viewer's title, and an
# error box at the start, are seen by the player test's F1).
# Usage (ctest fixture wine): viewer-test.sh BUILD_DIR HLP
source "$(dirname "$0")/../lib/test-lib.sh"
use_build "$1"
start_wine winhlp32.exe "Z:$(realpath "$2" | tr '/' '\\')"
window=$(retry first_of viewers) || fail "no viewer window within 20 s"
sleep 1 # the first page painted
read -r WIDTH HEIGHT X Y <<<"$(window_box "$window")"
top=$((Y + 70)) # below the caption, menu and buttons
shot() { grab $((WIDTH - 8)) $((HEIGHT - 78)) $((X + 4)) $top "$1"; }
green() { convert "$1" -fuzz 12% -fill white +opaque 'rgb(0,128,0)' -format '%@' info:; }
text() { convert "$1" -colorspace gray -threshold 40% -negate -format '%[fx:mean > 0.001]' info:; }
shot "$work/contents.png"
IFS='x+' read -r _ _ gx gy <<<"$(green "$work/contents.png")" # links start one under another
[ -n "$gy" ] || fail "no link on the contents"
xdotool mousemove $((X + 4 + gx + 4)) $((top + gy + 5)) click 1
topic() {
    shot "$work/topic.png"
    [ "$(compare -metric AE "$work/contents.png" "$work/topic.png" null: 2>&1)" != 0 ] &&
        [ "$(text "$work/topic.png")" = 1 ] && [ "$(viewers | wc -l)" -eq 1 ]
}
patience=5 retry topic || fail "the first link of the contents led nowhere, to a blank page or to an error box"
echo "the first link of the viewer's contents led to a topic"
