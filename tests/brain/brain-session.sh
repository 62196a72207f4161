#!/usr/bin/env bash
# The built brain on pipes: each answer comes at once (a lone CR ends a line),
# ends as lines end on its platform; END, or the end of input after an
# unfinished last line, ends it with 0. Usage: brain-session.sh CRLF|LF BRAIN...
source "$(dirname "$0")/../lib/test-lib.sh"
[ "$1" = CRLF ] && cr=$'\r' || cr=""
shift
# Starts the brain on a pair of pipes of our own: bash forgets a coprocess's
# descriptors as soon as it has ended, which may be before its last answer is read.
open_brain() {
    coproc BRAIN { "$@"; }
    pid=$BRAIN_PID
    exec {from}<&"${BRAIN[0]}" {to}>&"${BRAIN[1]}"
    eval "exec ${BRAIN[0]}<&- ${BRAIN[1]}>&-"
}
ask() { # bytes to send (if any), the answer as an extended regular expression
    [ -z "$1" ] || printf '%b' "$1" >&"$to"
    local line="" re="^$2$cr\$"
    IFS= read -r -t 60 line <&"$from" && [[ $line =~ $re ]] || fail "$(printf '%q answered %q' "$1" "$line")"
}
ends() { # what; the brain must exit by itself within a minute, with 0
    patience=60 retry gone "$pid" || kill "$pid"
    wait "$pid" || fail "$1"
}

open_brain "$@"
ask 'START 20\r\n' 'OK'
ask 'BEGIN\r' '[0-9]+,[0-9]+'
ask '\nTURN 10,10\n' '[0-9]+,[0-9]+'
printf 'END\r\n' >&"$to"
ends "END, with the input still open"
exec {from}<&- {to}>&-

open_brain "$@"
ask 'START 5\n' 'OK'
printf 'TAKEBACK 0,0' >&"$to"
exec {to}>&-
ask '' 'ERROR TAKEBACK: square 0,0 is empty'
ends "the end of input"
