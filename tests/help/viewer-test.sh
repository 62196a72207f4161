#!/usr/bin/env bash
# Wine's help viewer opens the built quinterra.hlp on its contents, under the
# help's title and without an error box, draws its text, and its first link
# (drawn green) leads to another page. Runs in the Windows tree's Wine prefix
# and Xvfb display (ctest fixture). Usage: viewer-test.sh BUILD_DIR HELP_FILE
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
launcher=
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
    [ -n "$launcher" ] && { kill "$launcher"; wait "$launcher"; } 2>/dev/null
    for w in $(xdotool search --classname winhlp32 2>/dev/null); do
        kill "$(xdotool getwindowpid "$w")" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
[ -s "$build/xvfb.display" ] || fail "no Xvfb display (the wine fixture did not run)"
export DISPLAY=":$(cat "$build/xvfb.display")"
title=$(sed -n 's/^@title[[:space:]]*//p' "$root/help/quinterra.help.txt")
viewers() { xdotool search --onlyvisible --classname winhlp32 2>/dev/null; }

winpath="Z:$(realpath "$2" | tr '/' '\\')"
"$root/tools/wine-run.sh" "$build" winhlp32.exe "$winpath" >/dev/null 2>&1 &
launcher=$!
for _ in $(seq 100); do
    window=$(viewers | head -1)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || fail "no viewer window within 20 s"
sleep 1 # the first page laid out and painted, or an error box beside it
[ "$(viewers | wc -l)" -eq 1 ] || fail "more than one viewer window: an error box?"
[ "$(xdotool getwindowname "$window")" = "$title" ] || fail "the viewer is not titled '$title'"

eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
page="$((WIDTH - 8))x$((HEIGHT - 78))+$((X + 4))+$((Y + 70))" # below the caption, menu and buttons
shot() { import -window root -crop "$page" +repage "$1" || fail "screenshot failed"; }
dark() { convert "$1" -colorspace gray -threshold 40% -negate -format '%[fx:mean]' info:; }
shot "$work/contents.png"
awk -v d="$(dark "$work/contents.png")" 'BEGIN { exit !(d > 0.0005 && d < 0.3) }' || fail "the contents look blank"
# The middle of the first line that holds the link colour.
box=$(convert "$work/contents.png" -fuzz 12% -fill white +opaque 'rgb(0,128,0)' -format '%@' info:)
case "$box" in 0x0* | "") fail "no link on the contents" ;; esac
IFS='x+' read -r _ _ _ by <<<"$box"
line=$(convert "$work/contents.png" -crop "$((WIDTH - 8))x12+0+$by" +repage -fuzz 12% -fill white \
    +opaque 'rgb(0,128,0)' -format '%@' info:)
IFS='x+' read -r lw lh lx ly <<<"$line"
xdotool mousemove $((X + 4 + lx + lw / 2)) $((Y + 70 + by + ly + lh / 2)) click 1
for _ in $(seq 20); do
    sleep 0.25
    shot "$work/topic.png"
    [ "$(compare -metric AE "$work/contents.png" "$work/topic.png" null: 2>&1 | cut -d' ' -f1)" != 0 ] &&
        { echo "the viewer showed '$title' and its first link led to another page"; exit 0; }
done
fail "the first link of the contents led nowhere"
