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

# Started with no display and no driver named, from a terminal: SDL must not
# fall back to a text-mode driver, and sound must not start. One line on
# standard error, nothing on standard output, exit code 1; the same for the
# console program.
for prog in "$E2E_BIN" "$E2E_BUILD/tools/console/plumfall-console"; do
    (cd "$E2E_TMP" && exec env -u DISPLAY -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER timeout 20 "$prog") \
        >"$E2E_TMP/out.log" 2>"$E2E_TMP/err.log"
    code=$?
    name=$(basename "$prog")
    [ "$code" = 1 ] || e2e_fail "$name: exit code $code without DISPLAY, not 1 ($(head -c 300 "$E2E_TMP/err.log"))"
    [ ! -s "$E2E_TMP/out.log" ] || e2e_fail "$name wrote on standard output: $(head -c 200 "$E2E_TMP/out.log" | cat -v)"
    [ "$(wc -l <"$E2E_TMP/err.log")" = 1 ] || e2e_fail "$name: not one line on standard error: $(cat -v "$E2E_TMP/err.log")"
    LC_ALL=C grep -q "$(printf '\033')" "$E2E_TMP/err.log" && e2e_fail "$name: escape sequences on standard error"
    grep -q '^Error: no X display' "$E2E_TMP/err.log" || e2e_fail "$name: unexpected line $(cat "$E2E_TMP/err.log")"
    e2e_ok "$name without DISPLAY: $(cat "$E2E_TMP/err.log")"
done
echo "PASS"
