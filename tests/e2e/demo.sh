#!/bin/bash
# --demo plays by itself: no key and no mouse, yet the game starts at once,
# "DEMO" stands where the difficulty prompt was, the flock runs and the view
# follows it (the progress cursor moves right), and closing the window still ends it.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
e2e_open --demo 1

sleep 1
e2e_screenshot "$E2E_WIN" "$E2E_TMP/a.png"
sleep 3
e2e_screenshot "$E2E_WIN" "$E2E_TMP/b.png"
e2e_keep "$E2E_TMP/b.png" demo.png

# "DEMO" is one short word where the prompt's two long lines stood.
white='r == 255 && g == 255 && b == 255'
word=$(e2e_count "$E2E_TMP/b.png" 200x45+15+100 "$white")
prompt=$(e2e_count "$E2E_TMP/b.png" 700x45+15+150 "$white")
[ "$word" -ge 100 ] || e2e_fail "no DEMO caption ($word white pixels)"
[ "$prompt" -lt 100 ] || e2e_fail "the difficulty prompt is there ($prompt white pixels on its second line)"
e2e_ok "DEMO in place of the prompt"

xa=$(e2e_progress_x "$E2E_TMP/a.png")
xb=$(e2e_progress_x "$E2E_TMP/b.png")
[ "$xa" -ge 0 ] && [ "$xb" -ge 0 ] || e2e_fail "no progress cursor found ($xa, $xb)"
[ $((xb - xa)) -ge 15 ] || e2e_fail "the flock did not go forward: cursor from $xa to $xb"
e2e_ok "the flock went forward without any input: progress cursor from x=$xa to x=$xb"

kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the program exited on its own"
e2e_close_window "$E2E_WIN"
e2e_wait_exit 2
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
