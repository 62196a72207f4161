# Sourced with a prefix folder: sets up the environment in which the game
# runs on a desktop (tools/play.sh, and the player test under a window
# manager), and prepares that Wine prefix the first time. The prefix is
# left as Wine makes it: its windows are the desktop's, framed and sized by
# the window manager, and the game itself keeps them fitted to its squares.
export WINEPREFIX=$1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Central European code page, and with it the Czech letters of the
# menus and dialogs, comes from the locale.
export LC_ALL=cs_CZ.UTF-8
if [ ! -f "$WINEPREFIX/.quinterra-ready" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once, about a quarter of a minute)"
    wineboot -i </dev/null >"$WINEPREFIX.log" 2>&1
    wineserver -w
    # Without these the caption buttons draw as letters.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts"/ 2>/dev/null || true
    touch "$WINEPREFIX/.quinterra-ready"
fi
