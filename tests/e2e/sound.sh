#!/bin/bash
# The sound through SDL's disk audio driver: music without options, not one
# sample with --mute, M silences music and effects and M brings them back,
# --volume lowers the level. The M choice is remembered.
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
command -v sox >/dev/null || e2e_fail "sox is missing (sh scripts/install-deps.sh)"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/audio.raw" SDL_DISKAUDIODELAY=20
settings="$E2E_TMP/config/plumfall/settings"

# play SECONDS [ARGS...]: the game for that long, its sound in audio.raw.
play() {
    local seconds="$1"
    shift
    rm -f "$SDL_DISKAUDIOFILE"
    e2e_open "$@"
    sleep "$seconds"
}

size() { stat -c %s "$SDL_DISKAUDIOFILE"; }

# sounding FROM TO: bytes of the output in [FROM, TO) that are not zero.
sounding() {
    tail -c +$(($1 + 1)) "$SDL_DISKAUDIOFILE" | head -c $(($2 - $1)) | tr -d '\000' | wc -c
}

# peak: the largest sample of the output, 0 to 1 (signed 16-bit stereo at 44.1 kHz).
peak() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$SDL_DISKAUDIOFILE" -n stat 2>&1 | awk '/Maximum amplitude/ { print $3 }'
}

play 2
end=$(size)
[ "$end" -gt 100000 ] || e2e_fail "only $end bytes of sound in 2 s"
[ "$(sounding 0 "$end")" -gt 0 ] || e2e_fail "silence without options"
full=$(peak)
e2e_close
e2e_ok "the music plays without options (peak $full)"

play 2 --mute
end=$(size)
[ "$end" -gt 100000 ] || e2e_fail "only $end bytes of sound in 2 s"
[ "$(sounding 0 "$end")" = 0 ] || e2e_fail "--mute: some samples are not zero"
e2e_close
[ ! -e "$settings" ] || e2e_fail "--mute was saved: $(cat "$settings")"
e2e_ok "--mute: every sample is zero, nothing saved"

play 2 --volume 25
quarter=$(peak)
e2e_close
awk -v q="$quarter" -v f="$full" 'BEGIN { exit !(q > 0 && q < 0.3 * f) }' ||
    e2e_fail "--volume 25 peaks at $quarter against $full at full volume"
e2e_ok "--volume 25 peaks at $quarter"

play 1.5
xdotool key --window "$E2E_WIN" m
sleep 0.5 # what was mixed before the key still comes out
from=$(size)
sleep 1.5
to=$(size)
[ "$(sounding "$from" "$to")" = 0 ] || e2e_fail "M did not silence the sound"
grep -qx 'sound = off' "$settings" || e2e_fail "M was not remembered"
xdotool key --window "$E2E_WIN" m
sleep 0.5
from=$(size)
sleep 1.5
to=$(size)
[ "$(sounding "$from" "$to")" -gt 0 ] || e2e_fail "M again did not bring the music back"
grep -qx 'sound = on' "$settings" || e2e_fail "M again was not remembered"
e2e_close
e2e_ok "M silences the sound, M again brings it back; each remembered"
echo "PASS"
