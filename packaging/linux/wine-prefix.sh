# Sourced by wine-player.sh: making a Wine prefix for the game, keeping it
# small, and bringing it up to date after Wine itself was upgraded. Expects
# WINEPREFIX (and the rest of Wine's environment) to be exported.
#
# A new prefix holds a copy of every program and library Wine has built in,
# some 630 MB of a 700 MB prefix. Each copy is byte for byte Wine's own file,
# so the prefix keeps a symbolic link to that file instead. Wine writes new
# copies over the old ones when it updates a prefix after an upgrade, and
# writing over a link would write into Wine's installed files (as root, it
# could); so before an update the links become copies again, and after it
# links once more.

wine_inf=/usr/share/wine/wine.inf
wine_dirs=(/usr/lib/*/wine/*-windows)

# Whether the prefix was made for the Wine installed now. Wine notes the
# time of its wine.inf in the prefix and updates the prefix when the two
# differ (or never, when told "disable").
wine_unchanged() {
    local stamp
    stamp=$(cat "$WINEPREFIX/.update-timestamp" 2>/dev/null) || return 1
    # Wine ends the line the Windows way.
    stamp=${stamp%$'\r'}
    [[ $stamp == disable* ]] || [ ! -f "$wine_inf" ] || [ "$stamp" = "$(stat -c %Y "$wine_inf")" ]
}

# What a start has to do before the game can run: "make" a new prefix,
# "update" it for a new Wine, "link" a prefix of an earlier release, or
# nothing (an empty answer).
preparation() {
    if [ ! -f "$WINEPREFIX/.quinterra-ready" ]; then
        echo make
    elif ! wine_unchanged; then
        echo update
    elif [ ! -f "$WINEPREFIX/.quinterra-linked" ]; then
        echo link
    fi
}

# Does what preparation() names; every way ends with a linked prefix.
prepare_prefix() {
    case $1 in
    make)
        quiet_wineboot -i
        touch "$WINEPREFIX/.quinterra-ready"
        ;;
    update)
        unlink_wine_files
        rm -f "$WINEPREFIX/.quinterra-linked"
        quiet_wineboot -u
        ;;
    esac
    link_wine_files
}

# Runs wineboot with its arguments, with no display: else Wine shows a box of
# its own that names a folder the player never chose. Neither it nor the
# server it starts may keep the launcher's lock (descriptor 9).
quiet_wineboot() {
    DISPLAY= wineboot "$@" </dev/null >>"$WINEPREFIX/wineboot.log" 2>&1 9>&-
    wineserver -w 9>&-
}

# Whether a path lies in one of Wine's folders of built-in files.
in_wine_dirs() {
    local dir
    for dir in "${wine_dirs[@]}"; do [[ $1 == "$dir"/* ]] && return 0; done
    return 1
}

# The file of Wine's own that holds exactly the bytes of the given file, if any.
wine_original() {
    local name dir
    name=$(basename "$1")
    for dir in "${wine_dirs[@]}"; do
        [ -f "$dir/$name" ] && cmp -s "$1" "$dir/$name" && { echo "$dir/$name"; return 0; }
    done
    return 1
}

# A link is made beside the copy and renamed over it, so that a folder that
# takes no links (a home on a file system without them) keeps its copies.
link_wine_files() {
    local file original
    while IFS= read -r -d '' file; do
        original=$(wine_original "$file") || continue
        if ln -s "$original" "$file.quinterra-link" 2>/dev/null; then
            mv -f "$file.quinterra-link" "$file"
        fi
    done < <(find "$WINEPREFIX/drive_c" -type f -print0)
    touch "$WINEPREFIX/.quinterra-linked"
}

# Turns each link into Wine's files back into a copy of what it names now; a
# link to a file the new Wine no longer has goes.
unlink_wine_files() {
    local link target
    while IFS= read -r -d '' link; do
        target=$(readlink "$link")
        in_wine_dirs "$target" || continue
        if [ -f "$target" ]; then
            cp --remove-destination "$target" "$link"
        else
            rm -f "$link"
        fi
    done < <(find "$WINEPREFIX/drive_c" -type l -print0)
}
