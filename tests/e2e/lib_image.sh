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
    d=$("$E2E_CONVERT" "$1" -crop "$3" +repage "$2" -crop "$3" +repage -compose difference -composite \
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
