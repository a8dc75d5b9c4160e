#!/bin/bash
# F1 starts the game: the text goes, four chickens run towards the pointer on
# the right and the view follows them (the progress cursor moves right).
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
e2e_open

sleep 1
xdotool mousemove --window "$E2E_WIN" 700 300
xdotool key --window "$E2E_WIN" F1
sleep 0.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/a.png"
for x in 720 740 760 780 760 740; do
    xdotool mousemove --window "$E2E_WIN" "$x" 300
    sleep 0.5
done
e2e_screenshot "$E2E_WIN" "$E2E_TMP/b.png"
e2e_keep "$E2E_TMP/b.png" gameplay.png

e2e_check_flock_advances "$E2E_TMP/a.png" "$E2E_TMP/b.png"

kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the program exited on its own"
e2e_close_window "$E2E_WIN"
e2e_wait_exit 2
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
