#!/bin/bash
# Before a difficulty is chosen: the two white lines of text, the flames
# behind everything, and the belt's stripes sliding.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_begin "$1"
e2e_open

sleep 1.5
e2e_screenshot "$E2E_WIN" "$E2E_TMP/a.png"
sleep 0.35
e2e_screenshot "$E2E_WIN" "$E2E_TMP/b.png"
e2e_keep "$E2E_TMP/a.png" startscreen.png

white='r == 255 && g == 255 && b == 255'
line1=$(e2e_count "$E2E_TMP/a.png" 700x40+15+100 "$white")
line2=$(e2e_count "$E2E_TMP/a.png" 300x40+15+150 "$white")
[ "$line1" -gt 500 ] || e2e_fail "the first line has $line1 white pixels"
[ "$line2" -gt 200 ] || e2e_fail "the second line has $line2 white pixels"
between=$(e2e_count "$E2E_TMP/a.png" 700x6+15+143 "$white")
[ "$between" -lt 20 ] || e2e_fail "$between white pixels between the lines"
e2e_ok "white text rows: $line1 and $line2 pixels, $between between them"

# The flames fill the view above and below the belt: warm colours.
warm='r > b + 10'
for region in 800x40+0+45 800x40+0+555; do
    n=$(e2e_count "$E2E_TMP/a.png" "$region" "$warm")
    [ "$n" -gt 30000 ] || e2e_fail "region $region is not flames ($n warm pixels of 32000)"
done
e2e_ok "flames above and below the belt"

# The stripes slide: the belt looks different a few frames later.
if e2e_same "$E2E_TMP/a.png" "$E2E_TMP/b.png" 400x300+400+150; then
    e2e_fail "the belt did not move between two screenshots"
fi
e2e_ok "the belt's stripes move"

e2e_close_window "$E2E_WIN"
e2e_wait_exit 2
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
