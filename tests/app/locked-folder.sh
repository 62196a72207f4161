#!/usr/bin/env bash
# Makes (start) or removes (stop) a folder that refuses new files while its one
# file, partie.hra, may still be written: what a shared folder with such rights
# is to the game. Root can create files anywhere, so as root the folder is
# made immutable; otherwise taking away its write permission does the same.
# Usage: locked-folder.sh start|stop FOLDER
source "$(dirname "$0")/../lib/test-lib.sh"
folder=$2
unlock() {
    [ -d "$folder" ] || return 0
    chattr -i "$folder" 2>/dev/null || true
    chmod u+w "$folder"
    rm -rf "$folder"
}
case "$1" in
start)
    unlock
    mkdir -p "$folder"
    printf 'old game' >"$folder/partie.hra"
    if [ "$(id -u)" -eq 0 ]; then chattr +i "$folder"; else chmod a-w "$folder"; fi
    ! touch "$folder/probe" 2>/dev/null || fail "could not make $folder refuse new files"
    ;;
stop) unlock ;;
*) echo "usage: $0 start|stop FOLDER" >&2; exit 2 ;;
esac
