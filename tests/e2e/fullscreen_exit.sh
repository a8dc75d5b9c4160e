#!/bin/bash
# Full screen under a real window manager (openbox), which sees no key while
# SDL holds the keyboard: there Alt+F4 ends the game with 0, as the window
# manager's close does, and Esc gives the 800x600 window back and is kept for
# the next start. In the window both keys are the window manager's again.
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1" 1024x768
command -v openbox >/dev/null || e2e_fail "openbox is missing (sh scripts/install-deps.sh)"
settings="$E2E_TMP/config/plumfall/settings"

# Openbox with its stock key bindings (Alt+F4 closes), not the user's; it ends with the X server.
XDG_CONFIG_HOME="$E2E_TMP/wm" openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
for i in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || e2e_fail "openbox did not start: $(cat "$E2E_TMP/wm.log")"

# full_screen_game ARGS...: the game started full screen, its window in $E2E_WIN.
full_screen_game() {
    e2e_open "$@"
    sleep 1.5
    size=$(e2e_window_size "$E2E_WIN") || exit 1
    [ "$size" = 1024x768 ] || e2e_fail "$* did not fill the 1024x768 desktop: $size"
}

full_screen_game --fullscreen
xdotool key alt+F4
e2e_wait_exit 3
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after Alt+F4 in full screen, not 0"
e2e_ok "Alt+F4 in full screen ends the game with 0"

mkdir -p "$(dirname "$settings")"
printf 'fullscreen = yes\nsound = off\n' >"$settings"
full_screen_game
xdotool key Escape
sleep 1
size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = 800x600 ] || e2e_fail "Esc in full screen gives a $size window, not 800x600"
grep -qx 'fullscreen = no' "$settings" || e2e_fail "Esc was not kept: $(cat "$settings")"
grep -qx 'sound = off' "$settings" || e2e_fail "Esc lost the sound's choice: $(cat "$settings")"
e2e_ok "Esc in full screen: the 800x600 window, kept for the next start"

# In the window Esc does nothing; Alt+F4 is the window manager's close.
xdotool key Escape
sleep 0.5
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "Esc in the window ended the game"
[ "$(e2e_window_size "$E2E_WIN")" = 800x600 ] || e2e_fail "Esc in the window changed it"
xdotool windowactivate --sync "$E2E_WIN" 2>/dev/null || xdotool windowfocus --sync "$E2E_WIN"
xdotool key alt+F4
e2e_wait_exit 3
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after openbox's Alt+F4, not 0"
e2e_ok "in the window Esc does nothing and openbox's Alt+F4 closes it with 0"
echo "PASS"
