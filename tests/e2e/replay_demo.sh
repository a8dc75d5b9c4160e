#!/bin/bash
# A --demo game is recorded and verifies too, and plays back in the window:
# "REPLAY" where the prompt stands, Tab held runs it four times as fast, P
# pauses, and closing prints the outcome the demo recorded. A replay of
# another version says so; a truncated one cannot be read (exit 2, its line).
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
headless="$E2E_BUILD/tools/headless/plumfall-headless"
white='r == 255 && g == 255 && b == 255'
caption() { [ "$(e2e_count "$1" 200x45+15+100 "$white")" -ge 100 ]; }

e2e_start_game --demo 5 --frames 600
e2e_find_window "Plumfall !!!" >/dev/null || exit 1
e2e_wait_exit 60
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "the demo ended with exit code $E2E_EXIT_CODE"
outcome=$(grep -a '^game: ' "$E2E_TMP/game.log") || e2e_fail "no outcome line on standard output"
replay=$(ls "$E2E_TMP"/state/plumfall/replays/*_F5.replay 2>/dev/null | head -n 1)
[ -n "$replay" ] || e2e_fail "the demo left no replay: $(ls -R "$E2E_TMP/state" 2>&1)"
"$headless" --verify "$replay" >"$E2E_TMP/verify.log" 2>&1
rc=$?
verdict=$(grep -a "^$replay" "$E2E_TMP/verify.log")
[ "$rc" = 0 ] && [ "$verdict" = "$replay: holds: ${outcome#game: }" ] ||
    e2e_fail "the demo's replay: exit $rc, '$verdict'; the demo said '$outcome'"
e2e_ok "--demo 5 recorded and verified: $verdict"
"$headless" --replay "$replay" >"$E2E_TMP/summary.log" 2>&1 || e2e_fail "plumfall-headless --replay failed"
for count in "frames" "chickens made" "dead by saw" "grains eaten"; do
    line=$(grep -a "^$count: " "$E2E_TMP/summary.log")
    case "$outcome, " in *"$line, "*) ;; *) e2e_fail "--replay's summary says '$line', the demo '$outcome'" ;; esac
done

sed 's/^program .*/program 0.9.0/' "$replay" >"$E2E_TMP/old.replay"
"$headless" --verify "$E2E_TMP/old.replay" >"$E2E_TMP/verify.log" 2>&1
rc=$?
grep -qF "old.replay: recorded by plumfall 0.9.0, this is plumfall $("$headless" --version | cut -d' ' -f2)" \
    "$E2E_TMP/verify.log" && [ "$rc" = 0 ] || e2e_fail "another version's replay (exit $rc): $(tail -n 2 "$E2E_TMP/verify.log")"
head -n 6 "$replay" >"$E2E_TMP/cut.replay"
"$headless" --verify "$replay" "$E2E_TMP/cut.replay" >"$E2E_TMP/verify.log" 2>&1
rc=$?
grep -q "cut.replay:7: the file ends before its end line" "$E2E_TMP/verify.log" && [ "$rc" = 2 ] ||
    e2e_fail "a truncated replay (exit $rc): $(tail -n 2 "$E2E_TMP/verify.log")"
e2e_ok "another version named, a truncated file refused with its line (exit 2)"

cp "$replay" "$E2E_TMP/demo.replay"
e2e_open --replay "$E2E_TMP/demo.replay"
sleep 1.5
xdotool mousemove --window "$E2E_WIN" 100 550
e2e_screenshot "$E2E_WIN" "$E2E_TMP/r1.png"
caption "$E2E_TMP/r1.png" || e2e_fail "no REPLAY where the prompt stands"
e2e_keep "$E2E_TMP/r1.png" replay.png
xdotool keydown --window "$E2E_WIN" Tab
sleep 4
xdotool keyup --window "$E2E_WIN" Tab
xdotool key --window "$E2E_WIN" p
sleep 0.3
e2e_screenshot "$E2E_WIN" "$E2E_TMP/r2.png"
sleep 0.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/r3.png"
e2e_same "$E2E_TMP/r2.png" "$E2E_TMP/r3.png" 800x600+0+0 || e2e_fail "P did not pause the replay"
xdotool key --window "$E2E_WIN" p
# Waits for the end of the replay: the picture holds still.
for i in $(seq 100); do
    cmp -s "$E2E_TMP/r2.png" "$E2E_TMP/r3.png" && sleep 0.1
    e2e_screenshot "$E2E_WIN" "$E2E_TMP/r2.png"
    sleep 0.3
    e2e_screenshot "$E2E_WIN" "$E2E_TMP/r3.png"
    e2e_same "$E2E_TMP/r2.png" "$E2E_TMP/r3.png" 800x600+0+0 && break
done
e2e_close
played=$(grep -a '^replay: ' "$E2E_TMP/game.log") || e2e_fail "no outcome line after the replay"
[ "${played#replay: }" = "${outcome#game: }" ] || e2e_fail "played back: '$played'; recorded: '$outcome'"
e2e_ok "played back in the window with Tab and a pause: ${played#replay: }"
echo "PASS"
