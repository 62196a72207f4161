# Sourced by the test scripts: failing, waiting, the test display and its
# windows, pictures of the screen, and CPack's packages. root is the source tree.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="" work=""
pids=()

# Ends the test with a message; the last picture of the screen that the test
# took ($work/screen.ppm) stays in the build tree to be looked at.
fail() {
    echo "FAIL: $*" >&2
    [ -z "$build" ] || cp "$work/screen.ppm" "$build/$(basename "$0" .sh)-failure.ppm" 2>/dev/null || true
    exit 1
}
# Runs a command until it succeeds, four times a second for up to $patience
# seconds (20 unless set): the machine may be busy.
retry() {
    local i
    for ((i = 0; i < 4 * ${patience:-20}; i++)); do "$@" && return 0 || sleep 0.25; done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; }

# Takes BUILD_DIR's test display (ctest's fixture "wine") and makes $work in
# PARENT (or the usual temporary folder); at exit, what start() started ends,
# so do help viewers, and $work goes. Usage: use_build BUILD_DIR [PARENT]
use_build() {
    build=$(cd "$1" && pwd)
    [ -s "$build/xvfb.display" ] || { echo "no test display; run through ctest (fixture wine)" >&2; exit 1; }
    export DISPLAY=":$(cat "$build/xvfb.display")"
    work=$(mktemp -d "$(cd "${2:-${TMPDIR:-/tmp}}" && pwd)/$(basename "$0" .sh).XXXXXX")
    trap finish EXIT
}
finish() {
    local i w
    # The last started first: a game before the window manager framing it.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    # A help viewer that a game left behind must not confuse the next test.
    for w in $(viewers); do kill "$(xdotool getwindowpid "$w" 2>/dev/null)" 2>/dev/null || true; done
    rm -rf "$work"
}
# Starts a program in the background from $work, its output added to
# $work/programs.log; $! is its id, and it ends at exit.
start() {
    (cd "$work" && exec "$@" </dev/null >>"$work/programs.log" 2>&1) &
    pids+=($!)
}
# The same for a Windows program, under the build tree's Wine.
start_wine() { start "$root/tools/wine-run.sh" "$build" "$@"; }

# The ids of the visible windows whose title matches; of the help viewer's.
windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
viewers() { xdotool search --onlyvisible --classname winhlp32 2>/dev/null || true; }
# Prints the first line a command prints, failing when there is none.
first_of() { "$@" | head -n 1 | grep .; }
# Prints the id of a visible window whose title matches, once there is one.
window_named() { retry first_of windows_named "$1"; }
# Where a window's contents are on the screen: "WIDTH HEIGHT X Y".
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        / Width:/ {w = $2} / Height:/ {h = $2} END {print w, h, x, y}'
}
# Writes the screen's rectangle W x H at (X, Y) into FILE, ImageMagick's
# options for the output following. Usage: grab W H X Y FILE [OPTIONS...]
grab() { import -window root -crop "$1x$2+$3+$4" +repage "${@:6}" "$5"; }

# Makes the package of CPack's generator GEN in $work/out and checks its name,
# NAME with %s for the version; sets package (its path) and version.
pack() {
    (cd "$work" && cpack -G "$1" --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    # shellcheck disable=SC2059
    package="$work/out/$(printf "$2" "$version")"
    [ -f "$package" ] || fail "no package $(basename "$package"): $(ls "$work/out")"
}
# The files under a folder, sorted, on one line; find's tests may follow.
files_in() { (cd "$1" && find . -type f "${@:2}" | sort | xargs); }
# What the zip and the installer put into the game's folder.
bundle_files="./LICENSE ./README.md ./pbrain-quinterra.exe ./quinterra.exe ./quinterra.hlp ./quinterra.html"
