#!/bin/bash
# The console types what the keyboard layout gives: a French and a US user
# each type a line with their own keys (xdotool presses the keys, Shift and
# AltGr that each character needs in the active layout).
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
E2E_BIN="$E2E_BUILD/tools/console/plumfall-console"
command -v setxkbmap >/dev/null || e2e_fail "setxkbmap is missing (sh scripts/install-deps.sh)"
export PLUMFALL_CONSOLE_TRACE=1

# A run directory of our own, so that relative paths land in the test's folder.
run="$E2E_TMP/run"
mkdir -p "$run/sub"
ln -s "$E2E_RUNDIR"/* "$run/"
E2E_RUNDIR="$run"

# type_lines LAYOUT LINE...: starts the console under LAYOUT and types each line, then Return.
type_lines() {
    local layout="$1" line
    shift
    setxkbmap "$layout" || e2e_fail "setxkbmap $layout failed"
    e2e_open -
    xdotool windowfocus --sync "$E2E_WIN" || e2e_fail "cannot focus window $E2E_WIN"
    for line in "$@"; do
        xdotool type --delay 30 "$line"
        xdotool key Return
        e2e_wait_log "console| $line" 5
    done
}

type_lines fr 'echo [ calcul 1 + 2 ]'
e2e_wait_log "console| 3 " 5
# The 1 key's code is traced: '&' (38) under SDL 1.2, '1' (49) under sdl12-compat.
grep -aqxE "38|49" "$E2E_TMP/game.log" || e2e_fail "the key code of the French 1 key was not traced"
e2e_ok "French layout: 'echo [ calcul 1 + 2 ]' shows 3"
e2e_close

type_lines us 'echo [ calcul 1 + 2 ]' 'echo [ calcul 7 / 2 ]' 'select 12' 'savexml sub/scene.xml'
e2e_wait_log "console| 3 " 5
e2e_wait_log "console| 3.5 " 5
for i in $(seq 50); do
    [ -s "$run/sub/scene.xml" ] && break
    sleep 0.1
done
[ -s "$run/sub/scene.xml" ] || e2e_fail "savexml sub/scene.xml wrote nothing into sub"
e2e_ok "US layout: 1 + 2 shows 3, 7 / 2 shows 3.5, savexml writes sub/scene.xml"
e2e_close
echo "PASS"
