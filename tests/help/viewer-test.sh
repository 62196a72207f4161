#!/usr/bin/env bash
# Wine's help viewer opens the built quinterra.hlp on its contents topic, draws
# text, and a click on the first link of the contents leads to another topic.
# Runs in the Windows build tree's Wine prefix and Xvfb display (ctest fixture).
# Usage: viewer-test.sh BUILD_DIR HELP_FILE
set -u
build=$(cd "$1" && pwd)
help=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
launcher=
viewer=

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/wine.log" ] && { echo "--- wine output" >&2; tail -20 "$work/wine.log" >&2; }
    exit 1
}

# Only the viewer started here is stopped: the shared wineserver stays up.
cleanup() {
    [ -n "$viewer" ] && kill "$viewer" 2>/dev/null
    [ -n "$launcher" ] && kill "$launcher" 2>/dev/null
    [ -n "$viewer" ] && while kill -0 "$viewer" 2>/dev/null; do sleep 0.1; done
    [ -n "$launcher" ] && wait "$launcher" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

[ -s "$help" ] || fail "no help file at $help"
[ -s "$build/xvfb.display" ] || fail "no Xvfb display (the wine fixture did not run)"
export DISPLAY=":$(cat "$build/xvfb.display")"
title=$(sed -n 's/^@title[[:space:]]*//p' "$root/help/quinterra.help.txt" | head -1)
[ -n "$title" ] || fail "no @title in the help source"

# The viewers' windows on the display: id and name, one a line.
viewer_windows() {
    for w in $(xdotool search --onlyvisible --classname winhlp32 2>/dev/null); do
        echo "$w $(xdotool getwindowname "$w" 2>/dev/null)"
    done
}
[ -z "$(viewer_windows)" ] || fail "a help viewer is already open: $(viewer_windows)"

# The full Windows path, as a program beside the file would give it.
winpath="Z:$(printf '%s' "$(cd "$(dirname "$help")" && pwd)/$(basename "$help")" | tr '/' '\\')"
"$root/tools/wine-run.sh" "$build" winhlp32.exe "$winpath" >"$work/wine.log" 2>&1 &
launcher=$!

window=
for _ in $(seq 100); do
    sleep 0.2
    window=$(viewer_windows | head -1 | cut -d' ' -f1)
    [ -n "$window" ] && break
done
[ -n "$window" ] || fail "no viewer window within 20 s"
viewer=$(xdotool getwindowpid "$window")
sleep 1 # let the first topic be laid out and painted

# A broken file shows an error box ("file not found", "CHYBA") instead.
windows=$(viewer_windows)
[ "$(printf '%s\n' "$windows" | wc -l)" -eq 1 ] || fail "more than one viewer window: $windows"
name=$(xdotool getwindowname "$window")
[ "$name" = "$title" ] || fail "viewer window is titled '$name', expected '$title'"

eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
# The topic text lies below the caption, the menu and the button bar.
top=70
[ "$HEIGHT" -gt $((top + 100)) ] && [ "$WIDTH" -gt 200 ] || fail "viewer window too small: ${WIDTH}x$HEIGHT"
client="$((WIDTH - 8))x$((HEIGHT - top - 8))+$((X + 4))+$((Y + top))"

shot() { import -window root -crop "$client" +repage "$1" || fail "screenshot failed"; }
shot "$work/contents.png"
cp "$work/contents.png" "$build/help-viewer-contents.png" 2>/dev/null || true

# Links are drawn in green. A page's first (or last) line holding green is
# its first (or last) link; clicks go to the middle of that line's green.
green_box() { # image -> WxH+X+Y of its green pixels
    convert "$1" -fuzz 12% -fill white +opaque 'rgb(0,128,0)' -format '%@' info:
}
click_link() { # image first|last
    local box line bx by bh band lw lh lx
    box=$(green_box "$1")
    case "$box" in 0x0*|"") fail "no link colour on the page" ;; esac
    bh=$(echo "$box" | sed 's/^[0-9]*x\([0-9]*\)+.*/\1/')
    by=$(echo "$box" | cut -d+ -f3)
    band=$by
    [ "$2" = last ] && band=$((by + bh - 14))
    convert "$1" -crop "$((WIDTH - 8))x14+0+$band" +repage "$work/line.png"
    line=$(green_box "$work/line.png")
    lw=${line%%x*}
    lh=$(echo "$line" | sed 's/^[0-9]*x\([0-9]*\)+.*/\1/')
    lx=$(echo "$line" | cut -d+ -f2)
    ly=$(echo "$line" | cut -d+ -f3)
    click_x=$((X + 4 + lx + lw / 2))
    click_y=$((Y + top + band + ly + lh / 2))
    xdotool mousemove "$click_x" "$click_y" click 1
}
# Waits until the page differs from image $1, then saves it as $2.
await_change() {
    local diff
    for _ in $(seq 20); do
        sleep 0.25
        shot "$2"
        diff=$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)
        [ "${diff:-0}" != 0 ] && return 0
    done
    fail "clicking the link at ($click_x, $click_y) changed nothing"
}
# Text means some dark pixels, but far from a dark page.
check_text() {
    local dark
    dark=$(convert "$1" -colorspace gray -threshold 40% -negate -format '%[fx:mean]' info:)
    awk -v d="$dark" 'BEGIN { exit !(d > 0.0005 && d < 0.3) }' || fail "$2 looks blank (dark share $dark)"
}
single_window() {
    windows=$(viewer_windows)
    [ "$(printf '%s\n' "$windows" | wc -l)" -eq 1 ] || fail "$1: $windows"
}

check_text "$work/contents.png" "the contents topic"

# The first link of the contents leads to a topic of its own.
click_link "$work/contents.png" first
await_change "$work/contents.png" "$work/first.png"
cp "$work/first.png" "$build/help-viewer-topic.png" 2>/dev/null || true
single_window "a window appeared after the link"
check_text "$work/first.png" "the first linked topic"

# That topic's last link goes back to the contents, drawn as at the start.
click_link "$work/first.png" last
await_change "$work/first.png" "$work/back.png"
sleep 0.5
shot "$work/back.png"
[ "$(compare -metric AE "$work/contents.png" "$work/back.png" null: 2>&1 | cut -d' ' -f1)" = 0 ] ||
    fail "the link back to the contents shows another page"

# The last link of the contents, a topic stored further in the file.
click_link "$work/back.png" last
await_change "$work/back.png" "$work/last.png"
check_text "$work/last.png" "the last linked topic"
[ "$(compare -metric AE "$work/first.png" "$work/last.png" null: 2>&1 | cut -d' ' -f1)" != 0 ] ||
    fail "the first and the last link show the same page"
single_window "a window appeared after the last link"
echo "viewer opened '$title' on its contents; its first and last links and a link back all led to their topics"
