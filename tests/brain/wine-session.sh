#!/usr/bin/env bash
# Plays sessions with the Windows build of the brain under Wine: one read from
# a file, with CR LF, LF and lone CR line ends and garbage, compared byte for
# byte; one on pipes, answer by answer, which proves that every answer is
# flushed at once and that a lone CR is answered without waiting for more.
# Usage: wine-session.sh WINE_RUN BUILD_DIR BRAIN_EXE
set -u
run=$1
build=$2
exe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

pass() { echo "ok: $1"; passes=$((passes + 1)); }
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

# 1. A whole session from a file. The replies 4,4 and 9,9 are the game's known
#    answers on an empty 20 x 20 board and to a first stone at 10,10.
printf '%b' 'ABOUT\r\nSTART 20\r\nBEGIN\nRESTART\r\nTURN 10,10\r\nTURN 10,10\n' \
    'TURN 4294967296,0\r\n\x01\x02zz\r\nTURN 1,\x002\rINFO timeout_turn 1000\r\n\r\n' \
    'TAKEBACK 9,9\r\nTAKEBACK 10,10\r\nTAKEBACK 10,10\r\n' \
    'BOARD\r\n10,10,2\r\nbad\r\n3,3,3\r\nDONE\r\nEND\r\nABOUT\r\n' >"$work/in"
printf '%b' 'name="Quinterra", version="1.08", country="CZ"\r\nOK\r\n4,4\r\nOK\r\n9,9\r\n' \
    'ERROR TURN: square 10,10 is taken\r\n' \
    'ERROR TURN: "4294967296" is too large\r\n' \
    'UNKNOWN command "??zz" is not supported\r\n' \
    'ERROR TURN: "?2" is not a number\r\n' \
    'OK\r\nOK\r\nERROR TAKEBACK: square 10,10 is empty\r\n' \
    'ERROR BOARD line, expected x,y,field or DONE: expected 3 comma-separated numbers\r\n' \
    '9,9\r\n' >"$work/expected"
"$run" "$build" "$exe" <"$work/in" >"$work/out"
status=$?
if [ $status -eq 0 ]; then pass "exit code 0 after END"; else fail "exit code $status after END"; fi
if cmp -s "$work/expected" "$work/out"; then
    pass "session from a file, byte for byte"
else
    fail "session from a file"
    echo "expected:"; od -c "$work/expected"
    echo "got:"; od -c "$work/out"
fi

# 2. Answer by answer on pipes.
coproc BRAIN { "$run" "$build" "$exe"; }
ask() { # line-to-send expected-answer what
    printf '%b' "$1" >&"${BRAIN[1]}"
    local line=""
    if IFS= read -r -t 60 line <&"${BRAIN[0]}" && [ "$line" = "$2"$'\r' ]; then
        pass "$3"
    else
        fail "$3: got $(printf '%q' "$line")"
    fi
}
ask 'START 20\r\n' 'OK' "START answered at once"
ask 'BEGIN\r' '4,4' "a lone CR is answered without waiting"
ask '\nRESTART\n' 'OK' "the LF after the CR is no empty command"
ask 'TURN 10,10\r\n' '9,9' "TURN answered at once"
ask 'TURN 100,1\r\n' 'ERROR TURN: square 100,1 is off the 20x20 board' "off-board square refused"
printf 'END\r\n' >&"${BRAIN[1]}"
pid=$BRAIN_PID
wait "$pid"
status=$?
if [ $status -eq 0 ]; then pass "exit code 0 on pipes"; else fail "exit code $status on pipes"; fi

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
