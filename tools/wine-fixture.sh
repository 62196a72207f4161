#!/usr/bin/env bash
# Starts or stops what the Windows tests of a build tree run in: a private
# Xvfb display and a private, persistent Wine server on a prefix inside the tree.
# Usage: wine-fixture.sh start|stop BUILD_DIR
set -eu
action=$1
build=$(cd "$2" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=cs_CZ.UTF-8

stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -s "$build/xvfb.pid" ]; then
        kill "$(cat "$build/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$build/xvfb.pid" "$build/xvfb.display"
}

start() {
    stop
    # -displayfd picks a free display and tells us its number. Without
    # -noreset the server starts afresh whenever its last client leaves, and
    # refuses whoever connects meanwhile: a window manager started just after
    # a test's last look at the display then never comes up.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$build/xvfb.display" </dev/null >"$build/xvfb.log" 2>&1 &
    echo $! >"$build/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$build/xvfb.display" ] && break
        sleep 0.1
    done
    [ -s "$build/xvfb.display" ] || { echo "Xvfb did not start" >&2; cat "$build/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(cat "$build/xvfb.display")"

    if [ ! -f "$WINEPREFIX/.quinterra-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot -i </dev/null >"$build/wineboot.log" 2>&1
        wineserver -w
        # Unmanaged windows match GetWindowRect exactly and close at once on a
        # display without a window manager.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        fonts="$WINEPREFIX/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts"/ 2>/dev/null || true
        wineserver -w
        touch "$WINEPREFIX/.quinterra-ready"
    fi
    # A persistent server keeps each test's start-up at a fraction of a second.
    # Its service processes start here, detached from the test runner's output,
    # for a test's program would otherwise leave them holding ctest's pipe.
    wineserver -p </dev/null >/dev/null 2>&1
    wineboot </dev/null >/dev/null 2>&1
    echo "Wine prefix $WINEPREFIX on display $DISPLAY"
}

case "$action" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop BUILD_DIR" >&2; exit 2 ;;
esac
