#!/bin/bash
# The start-up measurement hook: with PLUMFALL_EXIT_AFTER_FRAMES=N the game
# exits 0 by itself right after its N-th presented frame.
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_start_xvfb
PLUMFALL_EXIT_AFTER_FRAMES=3 e2e_start_game
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE, not 0, with PLUMFALL_EXIT_AFTER_FRAMES=3"
e2e_ok "exits 0 after its third frame"
echo "PASS"
