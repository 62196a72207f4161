#!/usr/bin/env bash
# Wine's help viewer opens quinterra.hlp under the help's title, without an error box, and the
# first link (green) of its contents leads on. Usage (ctest fixture wine): viewer-test.sh BUILD_DIR HLP
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }
viewers() { xdotool search --onlyvisible --classname winhlp32 2>/dev/null; }
trap 'for w in $(viewers); do kill "$(xdotool getwindowpid "$w")"; done 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=":$(cat "$build/xvfb.display")"
title=$(sed -n 's/^@title[[:space:]]*//p' "$root/help/quinterra.help.txt")

"$root/tools/wine-run.sh" "$build" winhlp32.exe "Z:$(realpath "$2" | tr '/' '\\')" >/dev/null 2>&1 &
window=$(timeout 20 xdotool search --sync --onlyvisible --classname winhlp32 | head -1)
[ -n "$window" ] || fail "no viewer window within 20 s"
sleep 1 # the first page painted, or an error box beside it
[ "$(viewers | wc -l)" -eq 1 ] || fail "more than one viewer window: an error box?"
[ "$(xdotool getwindowname "$window")" = "$title" ] || fail "the viewer is not titled '$title'"

eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
top=$((Y + 70))                                       # below the caption, menu and buttons
shot() { import -window root -crop "$((WIDTH - 8))x$((HEIGHT - 78))+$((X + 4))+$top" +repage "$1"; }
green() { convert "$1" -fuzz 12% -fill white +opaque 'rgb(0,128,0)' -format '%@' info:; }
text() { convert "$1" -colorspace gray -threshold 40% -negate -format '%[fx:mean > 0.001]' info:; }
shot "$work/contents.png"
IFS='x+' read -r _ _ gx gy <<<"$(green "$work/contents.png")" # links start one under another
[ -n "$gy" ] || fail "no link on the contents"
xdotool mousemove $((X + 4 + gx + 4)) $((top + gy + 5)) click 1
for _ in $(seq 20); do
    sleep 0.25
    shot "$work/topic.png"
    [ "$(compare -metric AE "$work/contents.png" "$work/topic.png" null: 2>&1)" != 0 ] && [ "$(text "$work/topic.png")" = 1 ] &&
        [ "$(viewers | wc -l)" -eq 1 ] && { echo "the viewer showed '$title'; its first link led to a topic"; exit 0; }
done
fail "the first link of the contents led nowhere, to a blank page or to an error box"
