#!/bin/bash
# A game played through real input is kept as a replay that verifies: F3,
# about a minute of pointer moves, a pause (P, then '.'), a focus loss, then
# the window closed. The outcome line the game printed is the one that
# plumfall-headless --verify finds again; the same file with its last pointer
# line changed does not verify and names the count that differs.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
headless="$E2E_BUILD/tools/headless/plumfall-headless"
e2e_open

sleep 1
move() { xdotool mousemove --window "$E2E_WIN" "$1" "$2"; }
# SECONDS of moves: the pointer leads the flock forward and sweeps across the belt.
play() {
    local end=$(($(date +%s) + $1)) i=0
    while [ "$(date +%s)" -lt "$end" ]; do
        move $((560 + (i * 37) % 200)) $((200 + (i * 53) % 200))
        i=$((i + 1))
        sleep 0.1
    done
}
white='r == 255 && g == 255 && b == 255'
paused() { [ "$(e2e_count "$1" 200x45+15+100 "$white")" -ge 100 ]; }

move 600 300
xdotool key --window "$E2E_WIN" F3
play 22

xdotool key --window "$E2E_WIN" p
sleep 0.3
e2e_screenshot "$E2E_WIN" "$E2E_TMP/p1.png"
move 300 500 # while paused: it counts in the next frame played
sleep 1
e2e_screenshot "$E2E_WIN" "$E2E_TMP/p2.png"
paused "$E2E_TMP/p1.png" || e2e_fail "no PAUSE where the prompt stands"
e2e_same "$E2E_TMP/p1.png" "$E2E_TMP/p2.png" 800x600+0+0 || e2e_fail "the world moved while paused"
e2e_keep "$E2E_TMP/p1.png" pause.png
xdotool key --window "$E2E_WIN" period
sleep 0.3
e2e_screenshot "$E2E_WIN" "$E2E_TMP/p3.png"
e2e_same "$E2E_TMP/p2.png" "$E2E_TMP/p3.png" 800x600+0+0 && e2e_fail "'.' did not play a frame"
paused "$E2E_TMP/p3.png" || e2e_fail "'.' ended the pause"
xdotool key --window "$E2E_WIN" p
e2e_ok "P pauses (PAUSE shown, the world still), '.' plays one frame, P resumes"

play 10
xdotool windowfocus --sync "$E2E_WIN"
play 2
xdotool windowfocus "$(xdotool search --maxdepth 0 --name '' | head -n 1)"
sleep 0.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/f1.png"
paused "$E2E_TMP/f1.png" || e2e_fail "losing the focus did not pause the game"
move 600 300
xdotool click 1
sleep 0.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/f2.png"
paused "$E2E_TMP/f2.png" && e2e_fail "a click in the window did not resume the game"
e2e_ok "losing the focus pauses, a click resumes"
play 12
# The pointer rests: its last line steers the flock for the last seconds, long
# enough in frames for the altered line below to tip a chicken over the edge
# even on a machine so busy that the game runs a few frames a second.
move 600 300
sleep 12
e2e_close

outcome=$(grep -a '^game: ' "$E2E_TMP/game.log") || e2e_fail "no outcome line on standard output"
files=$(ls "$E2E_TMP"/state/plumfall/replays/*_F3.replay 2>/dev/null | wc -l)
[ "$files" = 1 ] || e2e_fail "$files replays of an F3 game in the replays folder, not 1"
replay=$(ls "$E2E_TMP"/state/plumfall/replays/*_F3.replay)
e2e_ok "${outcome#game: } kept in $(basename "$replay") ($(wc -c <"$replay") bytes, $(wc -l <"$replay") lines)"

"$headless" --verify "$replay" >"$E2E_TMP/verify.log" 2>&1
rc=$?
verdict=$(grep -a "^$replay" "$E2E_TMP/verify.log")
[ "$rc" = 0 ] || e2e_fail "the replay does not verify (exit $rc): $verdict"
[ "$verdict" = "$replay: holds: ${outcome#game: }" ] || e2e_fail "verified as '$verdict', the game said '$outcome'"
e2e_ok "--verify: $verdict"

# The last pointer line sends the flock over the top edge instead.
awk -v last="$(grep -n '^[0-9]* [0-9]* [0-9]*$' "$replay" | tail -n 1 | cut -d: -f1)" \
    'NR == last { $2 = 600; $3 = 0 } { print }' "$replay" >"$E2E_TMP/altered.replay"
"$headless" --verify "$E2E_TMP/altered.replay" >"$E2E_TMP/verify.log" 2>&1
rc=$?
verdict=$(grep -a 'altered.replay' "$E2E_TMP/verify.log")
[ "$rc" = 1 ] || e2e_fail "the altered replay gave exit $rc, not 1: $verdict"
echo "$verdict" | grep -qE 'does not hold: [a-z0-9 ]+: recorded [0-9]+, replayed [0-9]+$' ||
    e2e_fail "the altered replay's verdict names no count: $verdict"
e2e_ok "one pointer line changed: $verdict"
echo "PASS"
