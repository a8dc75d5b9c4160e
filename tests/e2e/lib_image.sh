# Reading screenshots: counts and positions of pixels that match a colour test.

# e2e_count FILE WxH+X+Y AWK_TEST: pixels of the region for which the awk test
# on r, g, b (0-255) holds.
e2e_count() {
    "$E2E_CONVERT" "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' -v OFS=' ' 'NR > 1 { r = $3; g = $4; b = $5; if ('"$3"') n++ } END { print n + 0 }'
}

# e2e_mean_x FILE WxH+X+Y AWK_TEST: mean x (in the region) of the matching pixels, -1 if none.
e2e_mean_x() {
    "$E2E_CONVERT" "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 { r = $3; g = $4; b = $5; if ('"$3"') { s += $1; n++ } } END { if (n) printf "%d\n", s / n; else print -1 }'
}

# e2e_progress_x FILE [REGION]: x of the progress cursor (a chicken picture) on
# the bar at the top, -1 if none. REGION is the bar's left half (400x24+0+8 in an
# 800x600 picture), where the cursor stays in a few seconds of play; its white is
# whiter than the taser posts and saw arms that cross the bar, and the finish
# flag is further right.
e2e_progress_x() {
    e2e_mean_x "$1" "${2:-400x24+0+8}" 'r > 235 && g > 235 && b > 235'
}

# e2e_same FILE FILE WxH+X+Y: true when the two regions are identical.
e2e_same() {
    local d
    # Each crop in its own parentheses: an operator outside them applies to every
    # image read so far, and would crop the first picture twice.
    d=$("$E2E_CONVERT" \( "$1" -crop "$3" +repage \) \( "$2" -crop "$3" +repage \) -compose difference -composite \
        -format '%[fx:maxima.r+maxima.g+maxima.b]' info:) || return 2
    [ "$d" = 0 ]
}

# e2e_keep FILE NAME: keeps a screenshot in <build>/e2e-shots for people to look at.
e2e_keep() {
    mkdir -p "$E2E_BUILD/e2e-shots" && cp "$1" "$E2E_BUILD/e2e-shots/$2"
}

# e2e_fx FILE WxH+X+Y FX: an ImageMagick fx statistic of the region (channels 0-1),
# for example 'maxima' or 'mean.r'; much faster than counting on large regions.
e2e_fx() {
    "$E2E_CONVERT" "$1" -crop "$2" +repage -format "%[fx:$3]" info:
}

# e2e_check_startscreen A B: the start screen as the game shows it, in A, and B
# taken a few frames later: the two white lines of text, the flames above and
# below the belt, the belt's stripes sliding. Both screenshots 800x600.
e2e_check_startscreen() {
    local white='r == 255 && g == 255 && b == 255' line1 line2 between region n
    line1=$(e2e_count "$1" 700x40+15+100 "$white")
    line2=$(e2e_count "$1" 300x40+15+150 "$white")
    [ "$line1" -gt 500 ] || e2e_fail "the first line has $line1 white pixels"
    [ "$line2" -gt 200 ] || e2e_fail "the second line has $line2 white pixels"
    between=$(e2e_count "$1" 700x6+15+143 "$white")
    [ "$between" -lt 20 ] || e2e_fail "$between white pixels between the lines"
    e2e_ok "white text rows: $line1 and $line2 pixels, $between between them"

    # The flames fill the view above and below the belt: warm colours.
    for region in 800x40+0+45 800x40+0+555; do
        n=$(e2e_count "$1" "$region" 'r > b + 10')
        [ "$n" -gt 30000 ] || e2e_fail "region $region is not flames ($n warm pixels of 32000)"
    done
    e2e_ok "flames above and below the belt"

    if e2e_same "$1" "$2" 400x300+400+150; then
        e2e_fail "the belt did not move between two screenshots"
    fi
    e2e_ok "the belt's stripes move"
}

# e2e_check_flock_advances A B: A just after F1 with the pointer on the right, B
# three seconds later: the difficulty text is gone and the view followed the
# chickens to the right (the progress cursor moved).
e2e_check_flock_advances() {
    local text xa xb
    text=$(e2e_count "$2" 700x90+15+100 'r == 255 && g == 255 && b == 255')
    [ "$text" -lt 100 ] || e2e_fail "the difficulty text is still there ($text white pixels)"
    e2e_ok "the text is gone"
    xa=$(e2e_progress_x "$1")
    xb=$(e2e_progress_x "$2")
    [ "$xa" -ge 0 ] && [ "$xb" -ge 0 ] || e2e_fail "no progress cursor found ($xa, $xb)"
    [ $((xb - xa)) -ge 15 ] || e2e_fail "the view did not scroll right: cursor from $xa to $xb"
    e2e_ok "the view scrolled right: progress cursor from x=$xa to x=$xb"
}
