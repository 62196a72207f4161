# Reads ImageMagick's txt: form of a grey picture of dark text on a light
# ground; prints for line number `line` (from 1) how many runs of columns hold
# ink, one per character that stands apart. Ink is two thirds of the way from
# the ground to the darkest pixel; a line is more than 2 rows of ink (thinner
# are rules). With `strokes`: the mean width of the line's runs of ink along
# its rows.
BEGIN { FS = "[ ,:()]+" }
NR > 1 {
    grey[$1, $2] = $4
    if ($1 > w) w = $1
    if ($2 > h) h = $2
    if (NR == 2 || $4 < dark) dark = $4
    if ($4 > ground) ground = $4
}
END {
    limit = dark + (ground - dark) * 2 / 3
    for (y = 0; y <= h + 1; y++) {
        inked = 0
        for (x = 0; x <= w; x++) if ((x, y) in grey && grey[x, y] < limit) inked = 1
        if (inked && !top_set) { top = y; top_set = 1 }
        if (!inked && top_set) {
            top_set = 0
            if (y - top > 2 && ++seen == line) { first = top; last = y - 1 }
        }
    }
    if (!seen || seen < line) { print 0; exit }
    if (strokes) {
        for (y = first; y <= last; y++) {
            run = 0
            for (x = 0; x <= w + 1; x++) {
                if ((x, y) in grey && grey[x, y] < limit) run++
                else if (run) { count++; total += run; run = 0 }
            }
        }
        printf "%.2f\n", total / count
        exit
    }
    runs = 0
    for (x = 0; x <= w + 1; x++) {
        on = 0
        for (y = first; y <= last; y++) if ((x, y) in grey && grey[x, y] < limit) on = 1
        if (on && !before) runs++
        before = on
    }
    print runs
}
