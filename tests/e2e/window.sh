#!/bin/bash
# The game opens its 800 x 600 window captioned "Plumfall !!!", shows a
# picture, and exits 0 when the window manager asks the window to close.
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
e2e_open

e2e_ok "window $E2E_WIN named '$(e2e_window_name "$E2E_WIN")'"

size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = "800x600" ] || e2e_fail "window is $size, not 800x600"
e2e_ok "window is 800x600"

# Let a few frames through before looking.
sleep 1.5
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the program exited on its own"
e2e_screenshot "$E2E_WIN" "$E2E_TMP/shot.png"
brightest=$(e2e_brightest "$E2E_TMP/shot.png") || exit 1
[ "$brightest" -gt 0 ] || e2e_fail "the window shows only black"
e2e_ok "the window shows a picture (brightest channel $brightest)"

e2e_close_window "$E2E_WIN"
e2e_wait_exit 2
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after WM_DELETE_WINDOW, not 0"
e2e_ok "exit code 0 within 2 s of WM_DELETE_WINDOW"
echo "PASS"
