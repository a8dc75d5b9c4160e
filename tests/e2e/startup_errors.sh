#!/bin/bash
# Without a usable display the game stops at once: exit code 1 when SDL's
# video cannot start, 2 when no OpenGL video mode can be set, each after one
# "Error: ..." line with SDL's reason.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$1"

# run_without_display EXPECTED_CODE ENV...: the game in its run directory.
run_without_display() {
    local expected="$1" code
    shift
    (cd "$E2E_RUNDIR" && exec env -u DISPLAY SDL_AUDIODRIVER=dummy "$@" timeout 20 "$E2E_BIN") \
        >"$E2E_TMP/game.log" 2>"$E2E_TMP/errors.log"
    code=$?
    [ "$code" = "$expected" ] || e2e_fail "exit code $code with $*, not $expected ($(cat "$E2E_TMP/errors.log"))"
    grep -q '^Error: .' "$E2E_TMP/errors.log" || e2e_fail "no 'Error: ...' line with $*: $(cat "$E2E_TMP/errors.log")"
    e2e_ok "$* -> exit code $code, $(grep -m 1 '^Error: ' "$E2E_TMP/errors.log")"
}

run_without_display 1 SDL_VIDEODRIVER=x11
run_without_display 2 SDL_VIDEODRIVER=dummy
echo "PASS"
