#!/bin/bash
# The shipped game left to play itself at F10 (the autopilot, deaths and new
# groups all the time) for PLUMFALL_SOAK_SECONDS (default 180): it must keep
# running, its resident memory stay within 5 MB after the first minute, no
# frame take over 100 ms after the first 2 s, and it must end cleanly with no
# sanitizer report. Frames are timed by tools/swapclock preloaded into the game.
# On a machine busier than its cores (load average above their number) a
# frame's real time measures the machine: the processor time the game spent
# on each frame is judged instead, and both are reported.
#   tests/e2e/soak.sh BUILD_DIR   (PLUMFALL_SOAK_LOG=FILE keeps the figures)
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$1"
seconds=${PLUMFALL_SOAK_SECONDS:-180}
clock="$E2E_BUILD/tools/swapclock/libswapclock.so"
[ -f "$clock" ] || e2e_fail "no $clock: build the swapclock target"
figures=${PLUMFALL_SOAK_LOG:-$E2E_TMP/soak.log}
: >"$figures"
note() { echo "$*" | tee -a "$figures"; }

e2e_start_xvfb
# A sanitizer build links its runtime first; the preloaded clock comes before it.
# The game keeps what it builds at start-up until it exits and does not free it
# then (LeakSanitizer lists about 25 such blocks, 32 KB): growth during play is
# what the resident memory shows, so the exit's leak check is left out.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1"
LD_PRELOAD="$clock" PLUMFALL_SWAP_LOG="$E2E_TMP/swaps" PLUMFALL_SWAP_CPU_LOG="$E2E_TMP/cpu" e2e_start_game --demo 10
win=$(e2e_find_window "Plumfall !!!" 60) || exit 1
load=$(cut -d' ' -f1 /proc/loadavg)
note "soak: $seconds s of --demo 10, $(basename "$E2E_BUILD"), load average $(cut -d' ' -f1-3 /proc/loadavg) at start"

# Resident memory every 5 s, in kB.
start=$(date +%s)
while :; do
    now=$(($(date +%s) - start))
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$E2E_GAME_PID/status" 2>/dev/null)
    [ -n "$rss" ] || e2e_fail "the game exited after $now s"
    echo "$now $rss" >>"$E2E_TMP/rss"
    [ "$now" -ge "$seconds" ] && break
    sleep 5
done
load="$load $(cut -d' ' -f1 /proc/loadavg)"
note "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
e2e_close_window "$win"
e2e_wait_exit 60

[ -n "${PLUMFALL_SOAK_LOG:-}" ] && cp "$E2E_TMP/game.log" "$PLUMFALL_SOAK_LOG.game"
awk '{ m = int($1 / 60) } m >= 1 && !(m in seen) { seen[m]; printf "rss at %d min: %.1f MB\n", m, $2 / 1024 }' "$E2E_TMP/rss" | tee -a "$figures"
read -r low high < <(awk '$1 >= 60 { if (!n++ || $2 < lo) lo = $2; if ($2 > hi) hi = $2 } END { print lo + 0, hi + 0 }' "$E2E_TMP/rss")
note "rss after the first minute: $((low / 1024)) to $((high / 1024)) MB ($((high - low)) kB apart)"

[ -s "$E2E_TMP/swaps" ] && [ -s "$E2E_TMP/cpu" ] || e2e_fail "no swap times written"
# Per frame after the first 2 s: real time, processor time (ms); count, longest
# of each, and how many took over 100 ms of each.
read -r frames longest over busiest heavy < <(paste "$E2E_TMP/swaps" "$E2E_TMP/cpu" | awk '
    NR == 1 { first = $1 }
    NR > 1 && $1 - first > 2e9 { n++; d = ($1 - t) / 1e6; c = ($2 - u) / 1e6
        if (d > dmax) dmax = d; if (c > cmax) cmax = c; if (d > 100) slow++; if (c > 100) heavy++ }
    { t = $1; u = $2 } END { printf "%d %.1f %d %.1f %d\n", n, dmax, slow, cmax, heavy }')
note "frames after start-up: $frames; longest $longest ms real time ($over over 100 ms), $busiest ms of processor time ($heavy over 100 ms)"

[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after closing the window"
if grep -aE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_TMP/game.log" >&2; then
    e2e_fail "sanitizer report"
fi
e2e_ok "ran $seconds s and ended cleanly, no sanitizer report"
[ $((high - low)) -le 5120 ] || e2e_fail "resident memory grew by $((high - low)) kB after the first minute"
e2e_ok "resident memory flat after the first minute"
if awk -v cores="$(nproc)" -v l="$load" 'BEGIN { split(l, a, " "); exit !(a[1] <= cores && a[2] <= cores) }'; then
    awk -v m="$longest" 'BEGIN { exit !(m <= 100) }' || e2e_fail "a frame took $longest ms"
    e2e_ok "no frame over 100 ms after start-up"
else
    awk -v m="$busiest" 'BEGIN { exit !(m <= 100) }' || e2e_fail "a frame took $busiest ms of processor time"
    e2e_ok "load average ($load) above $(nproc) cores: no frame over 100 ms of processor time after start-up"
fi
echo "PASS"
