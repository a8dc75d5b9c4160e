#!/bin/bash
# On a 1920 x 1080 desktop, --fullscreen shows the start screen 1440 x 1080
# between two black bars of 240 pixels; the pointer in a bar counts as the
# view's edge. F11 switches full screen while playing, the textures kept,
# and the choice is used at the next start; the command line's is never kept.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1" 1920x1080
settings="$E2E_TMP/config/plumfall/settings"

# expect_full FILE: the picture between black bars, the flames' red inside.
expect_full() {
    [ "$(e2e_fx "$1" 240x1080+0+0 maxima)" = 0 ] || e2e_fail "lit pixels in the left bar"
    [ "$(e2e_fx "$1" 240x1080+1680+0 maxima)" = 0 ] || e2e_fail "lit pixels in the right bar"
    [ "$(e2e_fx "$1" 1x1080+240+0 'mean > 0.1')" = 1 ] || e2e_fail "the picture does not start at x=240"
    [ "$(e2e_fx "$1" 1x1080+1679+0 'mean > 0.1')" = 1 ] || e2e_fail "the picture does not end at x=1679"
    [ "$(e2e_fx "$1" 300x600+250+400 'mean.r > 0.4 && mean.b < 0.2')" = 1 ] ||
        e2e_fail "no flames in the picture: textures lost?"
}

e2e_open --fullscreen
sleep 1.5
e2e_screenshot root "$E2E_TMP/full.png"
e2e_keep "$E2E_TMP/full.png" fullscreen.png
expect_full "$E2E_TMP/full.png"
white=$(e2e_count "$E2E_TMP/full.png" 300x100+270+170 'r == 255 && g == 255 && b == 255')
[ "$white" -gt 1000 ] || e2e_fail "no start screen text ($white white pixels)"
e2e_ok "--fullscreen: black bars of 240 pixels, the start screen between them"

# The pointer held in the right bar steers as the view's right edge.
xdotool mousemove 1900 540
xdotool key --window "$E2E_WIN" F1
sleep 0.5
e2e_screenshot root "$E2E_TMP/a.png"
xa=$(e2e_progress_x "$E2E_TMP/a.png" 720x43+240+14)
# However busy the machine, the view scrolls within 10 s.
for i in $(seq 10); do
    sleep 1
    e2e_screenshot root "$E2E_TMP/b.png"
    xb=$(e2e_progress_x "$E2E_TMP/b.png" 720x43+240+14)
    [ $((xb - xa)) -ge 30 ] && break
done
[ $((xb - xa)) -ge 30 ] || e2e_fail "the flock did not go right: cursor from $xa to $xb"
e2e_ok "pointer in the right bar: the flock goes right (cursor from x=$xa to x=$xb)"
e2e_close
[ ! -e "$settings" ] || e2e_fail "the command line's full screen was saved: $(cat "$settings")"

e2e_open
sleep 1
xdotool key --window "$E2E_WIN" F11
sleep 1.5
e2e_screenshot root "$E2E_TMP/f11.png"
expect_full "$E2E_TMP/f11.png"
grep -qx 'fullscreen = yes' "$settings" || e2e_fail "F11 was not remembered"
e2e_ok "F11: full screen, textures kept, remembered"
e2e_close

e2e_open
sleep 1.5
e2e_screenshot root "$E2E_TMP/again.png"
expect_full "$E2E_TMP/again.png"
xdotool key --window "$E2E_WIN" F11
sleep 1
size=$(e2e_window_size "$E2E_WIN") || exit 1
[ "$size" = "800x600" ] || e2e_fail "F11 back gives a $size window, not 800x600"
grep -qx 'fullscreen = no' "$settings" || e2e_fail "F11 back was not remembered"
e2e_ok "the next start is full screen; F11 brings the 800x600 window back"
e2e_close
echo "PASS"
