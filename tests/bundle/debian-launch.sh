#!/usr/bin/env bash
# Run by debian-test.sh in a mount namespace of its own: over the real home,
# /tmp and /var/tmp empty stand-ins, it starts the package's launcher from an
# unpacked root as a new player would (home and root in WORK): a first start,
# a second one meanwhile, later starts, a start after an upgrade of Wine, and
# starts in a prefix of the earlier release without yad or without links.
# Prints what the runs left in the stand-ins, one path a line; the times of
# the starts go to standard error.
# Usage: debian-launch.sh WORK REAL_HOME DISPLAY
source "$(dirname "$0")/../lib/test-lib.sh"
export DISPLAY=$3
real_home=$2
# The work folder may lie in the real home or in /tmp itself: the new /tmp is
# made ready beside it, holding the work folder and the display's socket and
# nothing else, and only then put over the real one.
stage=$(mktemp -d "$1/stand-in.XXXXXX")
mount -t tmpfs stand-in "$stage"
mkdir "$stage/.X11-unix" "$stage/.work"
mount --bind /tmp/.X11-unix "$stage/.X11-unix"
mount --bind "$1" "$stage/.work"
mount --move "$stage" /tmp
for dir in /var/tmp "$real_home"; do mount -t tmpfs stand-in "$dir"; done
work=/tmp/.work
data="$work/home/data"
prefix="$data/quinterra/wineprefix"
launchers=()
stop_games() {
    # The server's socket is in the prefix; killing the launchers too ends
    # games whose server the launcher kept elsewhere.
    TMPDIR="$prefix/tmp" WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    for launcher in "${launchers[@]}"; do kill "$launcher" 2>/dev/null || true; done
    for launcher in "${launchers[@]}"; do wait "$launcher" 2>/dev/null || true; done
    launchers=()
}
trap stop_games EXIT

# Starts the launcher in the background, its output in the given log.
launch() {
    env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$work/home" XDG_DATA_HOME="$data" \
        DISPLAY="$DISPLAY" LANG=C.UTF-8 LOCPATH="$work/no-locales" \
        "$work/root/usr/games/quinterra" </dev/null >"$work/$1" 2>&1 &
    launchers+=($!)
}
games() { windows_named '^Quinterra \[20x20\]$' | wc -l; }
covers() { windows_named '^Quinterra$' | wc -l; }
covered() { [ "$(covers)" -gt 0 ]; }
uncovered() { ! covered; }
now() { date +%s%N; }
ms_since() { echo $((($(now) - $1) / 1000000)); }

# Watches the screen from a start until COUNT game windows are there: sets
# shown_after (ms until the first window of the game or its cover), cover_seen
# and bare (the longest run of looks, 50 ms apart, that found neither after
# that: a look can miss a window that another one's going disturbs).
watch_start() {
    local count=$1 begun=$2 g c missed=0
    shown_after="" cover_seen="" bare=0
    for _ in $(seq 1200); do
        g=$(games) c=$(covers)
        echo "$(ms_since "$begun") ms: $g game(s), $c cover(s)" >>"$work/looks.log"
        [ "$c" -eq 0 ] || cover_seen=1
        if [ $((g + c)) -gt 0 ]; then
            shown_after=${shown_after:-$(ms_since "$begun")} missed=0
        elif [ -n "$shown_after" ]; then
            bare=$((++missed > bare ? missed : bare))
        fi
        [ "$g" -lt "$count" ] || { took=$(ms_since "$begun"); return 0; }
        sleep 0.05
    done
    echo "the game window did not appear; the launchers said:" >&2
    cat "$work"/launch-*.log "$prefix/wineboot.log" >&2 2>/dev/null || true
    exit 1
}
prefix_mb() { du -sm "$prefix/.." | cut -f1; }
# The prefix after a start: small, and no link into a file Wine no longer has.
prefix_sound() {
    [ "$(prefix_mb)" -lt 50 ] || fail "the prefix takes $(prefix_mb) MB"
    [ -z "$(find "$prefix/drive_c" -xtype l)" ] || fail "the prefix holds broken links: $(find "$prefix/drive_c" -xtype l)"
}
# A start alone, watched until its game is there, which then ends.
one_game() { local begun; begun=$(now); launch "$1"; watch_start 1 "$begun"; stop_games; }
# Makes the prefix look as the earlier release left it: not linked, and
# with copies of Wine's programs (those beside Windows' own folder will do).
as_earlier_release() {
    local copy
    rm "$prefix/.quinterra-linked"
    for copy in "$prefix"/drive_c/windows/*.exe; do cp --remove-destination "$(readlink -f "$copy")" "$copy"; done
}
# The programs beside Windows' own folder of find's -type (f or l), named NAME or any.
exes() { find "$prefix/drive_c/windows" -maxdepth 1 -name "${2:-*.exe}" -type "$1"; }

# The first start, and a second one as soon as the first shows its cover.
begun=$(now)
launch launch-first.log
patience=30 retry covered || fail "the first start showed no window of its own while it prepared the game"
launch launch-second.log
watch_start 2 "$begun"
[ "$bare" -le 3 ] || { uniq -c -f2 "$work/looks.log" | tail -n 12 >&2; false; } ||
    fail "the screen showed nothing of the game for $bare looks in a row between the launcher's window and the game's"
preparations=$(cat "$work"/launch-*.log | grep -c 'preparing the Wine prefix' || true)
[ "$preparations" -eq 1 ] || fail "two starts at once prepared the prefix $preparations times"
# Each launcher looks for its game's window ten times a second.
patience=5 retry uncovered || { tail -n 5 "$work"/launch-*.log >&2; fail "the launcher's window stayed after the game's came"; }
# Both games run in a Czech locale that exists: Wine takes its settings
# from the variable's name alone, but its file names from the locale.
for w in $(xdotool search --onlyvisible --name '^Quinterra \[20x20\]$'); do
    game_env=$(tr '\0' '\n' <"/proc/$(xdotool getwindowpid "$w")/environ")
    lc_all=$(sed -n 's/^LC_ALL=//p' <<<"$game_env") locpath=$(sed -n 's/^LOCPATH=//p' <<<"$game_env")
    [ "$lc_all" = cs_CZ.UTF-8 ] || fail "a game runs with LC_ALL=\"$lc_all\""
    charmap=$(env -i ${locpath:+LOCPATH="$locpath"} LC_ALL="$lc_all" locale charmap 2>/dev/null)
    [ "$charmap" = UTF-8 ] || fail "a game's locale $lc_all does not exist where it looks (LOCPATH=$locpath)"
done
echo "first start: the launcher's window after ${shown_after} ms, the game's after ${took} ms;" \
    "a second start meanwhile waited for it; prefix $(prefix_mb) MB" >&2

# A later start prepares nothing and needs no cover, whether games still run
# (their Wine server started while the first start prepared) or none does.
boot_log=$(md5sum <"$prefix/wineboot.log")
later_start() {
    local begun
    begun=$(now)
    launch "launch-later-$1.log"
    watch_start "$1" "$begun"
    [ -z "$cover_seen" ] || fail "a later start showed the preparing window"
    echo "later start with $(($1 - 1)) game(s) running: the game's window after ${took} ms" >&2
    stop_games
}
later_start 3
later_start 1
[ "$boot_log" = "$(md5sum <"$prefix/wineboot.log")" ] || fail "a later start ran wineboot again"
[ ! -e "$work/home/.local/share/quinterra" ] || fail "the prefix was made outside XDG_DATA_HOME"
prefix_sound

# Wine upgraded: its wine.inf newer, notepad.exe new, wordpad.exe gone.
dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
upgrade="$work/upgrade"
mkdir -p "$upgrade" && mount -t tmpfs upgrade "$upgrade"
mkdir "$upgrade/upper" "$upgrade/scratch"
mount -t overlay overlay -o "lowerdir=$dlls,upperdir=$upgrade/upper,workdir=$upgrade/scratch" "$dlls"
printf 'upgraded' >>"$dlls/notepad.exe"
rm "$dlls/wordpad.exe"
changed=$(cd "$upgrade/upper" && find . | sort)
cp -p /usr/share/wine/wine.inf "$upgrade/wine.inf"
touch -d "@$(($(stat -c %Y /usr/share/wine/wine.inf) + 86400))" "$upgrade/wine.inf"
mount --bind "$upgrade/wine.inf" /usr/share/wine/wine.inf
one_game launch-upgraded.log
echo "start after an upgrade of Wine: the game's window after ${took} ms; prefix $(prefix_mb) MB" >&2
[ -n "$cover_seen" ] || fail "the start after an upgrade showed no window of its own while it updated the prefix"
[ "$(tr -d '\r\n' <"$prefix/.update-timestamp")" = "$(stat -c %Y "$upgrade/wine.inf")" ] ||
    fail "the prefix was not updated for the new Wine"
[ "$changed" = "$(cd "$upgrade/upper" && find . | sort)" ] || fail "the update wrote into Wine's files"
cmp -s "$prefix/drive_c/windows/notepad.exe" "$dlls/notepad.exe" || fail "the prefix kept the old notepad.exe"
prefix_sound

# A prefix as the earlier release left it (copies of Wine's programs, no
# links yet) on a desktop without yad: the start links it, says what it does
# on its output instead, and the game starts all the same.
as_earlier_release
: >"$work/no-yad"
mount --bind "$work/no-yad" /usr/bin/yad
one_game launch-earlier.log
[ -z "$(exes f)" ] || fail "the start left copies of Wine's programs in a prefix of the earlier release"
grep -q 'Quinterra se připravuje ke spuštění' "$work/launch-earlier.log" ||
    fail "without yad the start did not say what it prepares: $(cat "$work/launch-earlier.log")"

# A home whose file system takes no links keeps its copies, and the game starts.
as_earlier_release
printf '#!/bin/sh\necho "ln: links are not supported here" >&2\nexit 1\n' >"$work/no-ln"
chmod +x "$work/no-ln"
mount --bind "$work/no-ln" /usr/bin/ln
one_game launch-no-links.log
umount /usr/bin/ln
[ -z "$(exes l)" ] || fail "links appeared where ln makes none"
[ -n "$(exes f notepad.exe)" ] || fail "a home that takes no links lost its copy of notepad.exe"

find /tmp /var/tmp "$real_home" -mindepth 1 -not -path '/tmp/.X11-unix*' -not -path '/tmp/.work*' | sort
