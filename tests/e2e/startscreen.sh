#!/bin/bash
# Before a difficulty is chosen: the two white lines of text, the flames
# behind everything, and the belt's stripes sliding.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
e2e_open

sleep 1.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/a.png"
sleep 0.35
e2e_screenshot "$E2E_WIN" "$E2E_TMP/b.png"
e2e_keep "$E2E_TMP/a.png" startscreen.png

e2e_check_startscreen "$E2E_TMP/a.png" "$E2E_TMP/b.png"

e2e_close_window "$E2E_WIN"
e2e_wait_exit 2
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
