#!/usr/bin/env bash
# Run by debian-test.sh in a mount namespace of its own: puts empty stand-ins
# over the real home, /tmp and /var/tmp, starts the package's launcher from an
# unpacked root with a home of its own (both in WORK), waits for the game's
# window, ends the game, and prints what the run left in the stand-ins, one
# path a line.
# Usage: debian-launch.sh WORK REAL_HOME DISPLAY
set -euo pipefail
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

prefix="$work/home/.local/share/quinterra/wineprefix"
env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" \
    DISPLAY="$DISPLAY" LANG=C.UTF-8 LOCPATH="$work/no-locales" \
    "$work/root/usr/games/quinterra" </dev/null >"$work/launcher.log" 2>&1 &
launcher=$!
shown=""
for _ in $(seq 600); do
    xdotool search --onlyvisible --name '^Quinterra \[20x20\]$' >/dev/null 2>&1 && { shown=1; break; }
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
done
# The launcher keeps Wine's server socket in the prefix: reach the server there.
TMPDIR="$prefix/tmp" WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
# A server kept elsewhere is not reached so: the game must end all the same.
kill "$launcher" 2>/dev/null || true
wait "$launcher" 2>/dev/null || true
if [ -z "$shown" ]; then
    echo "the game window did not appear; the launcher said:" >&2
    cat "$work/launcher.log" "$prefix/wineboot.log" >&2 2>/dev/null || true
    exit 1
fi
find /tmp /var/tmp "$real_home" -mindepth 1 -not -path '/tmp/.X11-unix*' -not -path '/tmp/.work*' | sort
