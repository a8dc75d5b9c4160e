#!/bin/bash
# On a large screen, --scale 2 opens a 1600 x 1200 window showing the same
# picture as the 800 x 600 one, every pixel a sharp 2 x 2 square, and the
# flock follows the real pointer as at scale 1. --scale 3 would not fit: 2.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1" 2048x1536

# shot NAME [ARGS...]: runs the game, keeps its start screen in NAME.png, leaves it running.
shot() {
    local name="$1"
    shift
    e2e_open "$@"
    # Before the first grain rides in: the start screen is still.
    sleep 1.2
    e2e_screenshot "$E2E_WIN" "$E2E_TMP/$name.png"
}

shot one
size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = "800x600" ] || e2e_fail "without options the window is $size, not 800x600"
e2e_close

shot two --scale 2
size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = "1600x1200" ] || e2e_fail "--scale 2 gives a $size window, not 1600x1200"
e2e_keep "$E2E_TMP/two.png" scale2.png
# Taking one pixel of each 2 x 2 square gives back the 800 x 600 picture: the
# still parts (flames, text, belt start, progress bar) are the same pixels
# (SDL 1.2; sdl12-compat's rasteriser picks another texel at a few texel edges).
"$E2E_CONVERT" "$E2E_TMP/two.png" -sample 800x600 "$E2E_TMP/two-small.png"
for region in 230x600+0+0 800x40+0+0; do
    differ=$("$E2E_CONVERT" "$E2E_TMP/one.png" -crop "$region" +repage "$E2E_TMP/two-small.png" -crop "$region" \
        +repage -compose difference -composite -threshold 0 -format '%[fx:(mean.r + mean.g + mean.b) / 3]' info:)
    awk -v d="$differ" 'BEGIN { exit !(d < 0.01) }' ||
        e2e_fail "the scaled picture differs from the 800x600 one in $region (share $differ)"
done
"$E2E_CONVERT" "$E2E_TMP/two.png" -crop 2x2+1000+500 +repage -unique-colors -format '%w' info: |
    grep -qx 1 || e2e_fail "a view pixel is not a sharp 2x2 square"
e2e_ok "1600x1200 window, the same picture as at 800x600"

# The pointer at the right of the window, as gameplay.sh does at scale 1.
xdotool mousemove --window "$E2E_WIN" 1400 600
xdotool key --window "$E2E_WIN" F1
sleep 0.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/a.png"
xa=$(e2e_progress_x "$E2E_TMP/a.png" 800x48+0+16)
# However busy the machine, the view scrolls within 10 s.
for x in 1440 1480 1520 1560 1520 1480 1440 1480 1520 1560; do
    xdotool mousemove --window "$E2E_WIN" "$x" 600
    sleep 1
    e2e_screenshot "$E2E_WIN" "$E2E_TMP/b.png"
    xb=$(e2e_progress_x "$E2E_TMP/b.png" 800x48+0+16)
    [ $((xb - xa)) -ge 30 ] && break
done
[ "$xa" -ge 0 ] && [ "$xb" -ge 0 ] || e2e_fail "no progress cursor found ($xa, $xb)"
[ $((xb - xa)) -ge 30 ] || e2e_fail "the flock did not go right: cursor from $xa to $xb"
e2e_ok "the flock follows the pointer: progress cursor from x=$xa to x=$xb"
e2e_close

# A scale whose window would not fit the desktop: the largest that fits, said in one line.
e2e_open --scale 3
size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = "1600x1200" ] || e2e_fail "--scale 3 on 2048x1536 gives a $size window, not 1600x1200"
line=$(grep '^plumfall: ' "$E2E_TMP/game.log")
[[ "$line" == *"--scale 3"*"--scale 2"* ]] || e2e_fail "no line naming --scale 3 and --scale 2: $line"
e2e_ok "--scale 3 on 2048x1536: $line"
e2e_close
echo "PASS"
