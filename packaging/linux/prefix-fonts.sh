#!/bin/bash
# Gives a Wine prefix the fonts that show every Czech letter of the game, of
# Wine's dialogs and of the help whole and rightly:
# - Wine's own fonts (Marlett for the caption buttons, the bitmap MS Sans
#   Serif of the game's dialogs in its Central European form), except Wine's
#   Tahoma. That Tahoma draws "ů" as a box, runs "ř" and "í" together, draws
#   the last column of some digits past their advance (the status panel's
#   clock lost it at the window's edge) and has a thin bold.
# - For Tahoma, the face of Wine's menus, message boxes, captions and
#   "MS Shell Dlg" dialogs, and of the help's text: DejaVu Sans Condensed
#   (Debian's fonts-dejavu-extra), which at 8 points has Tahoma's dialog units
#   (6 x 13) and a real bold, and draws Š with a háček where Wine's fallback
#   sans serif draws something like an acute accent.
# Does nothing when the prefix has this version of the setup already, so that
# the launcher can run it at every start; a prefix made by an earlier release
# (with Wine's Tahoma in it) is set up again at its next start.
# Usage: prefix-fonts.sh PREFIX (Wine's server of the prefix may be running)
set -euo pipefail
export WINEPREFIX=$1
export WINEDEBUG=${WINEDEBUG--all}
# Raise it whenever what follows changes.
version=2
stamp="$WINEPREFIX/.quinterra-fonts"
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
rm -f "$fonts/tahoma.ttf" "$fonts/tahomabd.ttf"
for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
    case ${font##*/} in
    tahoma* | "*."*) ;;
    *) cp "$font" "$fonts/" ;;
    esac
done
# A replacement stands in for a face that is missing, under the face's own
# name: "MS Shell Dlg", which Wine substitutes by Tahoma, reaches it too.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d 'DejaVu Sans Condensed' /f \
    </dev/null >/dev/null 2>&1
echo "$version" >"$stamp"
