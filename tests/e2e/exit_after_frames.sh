#!/bin/bash
# With --frames N the game plays N frames and exits 0 by itself (what the
# start-up benchmark measures).
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
e2e_start_game --frames 3
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE, not 0, with --frames 3"
e2e_ok "exits 0 after its third frame"
echo "PASS"
