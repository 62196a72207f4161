#!/usr/bin/env bash
# The built brain on pipes, as a manager drives it: every answer comes at once
# (a lone CR ends its line) and ends as lines end on the brain's platform, and
# END, or the end of input after an unfinished last line, ends it with 0.
# Usage: brain-session.sh CRLF|LF BRAIN [ARGS...]
set -u
[ "$1" = CRLF ] && cr=$'\r' || cr=""
shift
failures=0
check() { # status, what
    if [ "$1" -eq 0 ]; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi
}
ask() { # bytes to send ("" for none), the answer as an extended regular expression, what
    [ -z "$1" ] || printf '%b' "$1" >&"${BRAIN[1]}"
    local line="" re="^$2$cr\$"
    IFS= read -r -t 60 line <&"${BRAIN[0]}" && [[ $line =~ $re ]]
    check $? "$3: got $(printf '%q' "$line")"
}
exits() { # what; the brain must end by itself, with 0
    local pid=$BRAIN_PID
    for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null
    wait "$pid"
    check $? "$1"
}

coproc BRAIN { "$@"; }
ask 'ABOUT\r\n' 'name="Quinterra", version="1\.08", country="CZ"' "ABOUT"
ask 'START 20\n' 'OK' "START"
ask 'BEGIN\r' '[0-9]+,[0-9]+' "a lone CR is answered without waiting for more"
ask '\nTURN 10,10\r\n' '[0-9]+,[0-9]+' "TURN"
ask 'TURN 10,10\n' 'ERROR TURN: square 10,10 is taken' "a taken square"
printf 'END\r\n' >&"${BRAIN[1]}"
exits "END, with the input still open"

coproc BRAIN { "$@"; }
ask 'START 5\r\n' 'OK' "START"
printf 'TAKEBACK 0,0' >&"${BRAIN[1]}"
eval "exec ${BRAIN[1]}>&-"
ask '' 'ERROR TAKEBACK: square 0,0 is empty' "the last line without its line end"
exits "the end of input"

echo "$failures failed"
[ "$failures" -eq 0 ]
