#!/bin/bash
# The browser build in headless Chromium (tests/web/drive.mjs): its start screen
# passes the desktop test's checks and matches the desktop game's own start
# screen where nothing moves; F1 and pointer moves make the flock advance; the
# page closes with no error in its console.
#   bash tests/web/browser.sh BUILD_DIR BUILD_WEB_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lib.sh"
. "$here/../e2e/lib_image.sh"
e2e_init "$1"
web=$(cd "${2:?usage: $0 BUILD_DIR BUILD_WEB_DIR}" && pwd) || e2e_fail "no web build '$2'"
[ -f "$web/plumfall.wasm" ] || e2e_fail "no $web/plumfall.wasm: make web"
[ -d "$here/node_modules/playwright-core" ] || e2e_fail "no playwright-core: sh scripts/install-deps.sh --web"

# The desktop game's start screen, to hold the browser's against.
e2e_start_xvfb
e2e_start_game
win=$(e2e_find_window "Plumfall !!!") || exit 1
sleep 1.5
e2e_screenshot "$win" "$E2E_TMP/native.png"
e2e_close_and_check "$win"

node "$here/drive.mjs" "$web" "$E2E_TMP" || {
    sed 's/^/  console /' "$E2E_TMP/console.log" >&2
    e2e_fail "the page reported errors"
}
e2e_keep "$E2E_TMP/start-a.png" web-startscreen.png
e2e_keep "$E2E_TMP/page.png" web-page.png

e2e_check_startscreen "$E2E_TMP/start-a.png" "$E2E_TMP/start-b.png"
# Where nothing moves, the desktop game's picture: the same white text pixels, and
# flames that differ at most by a rounding (the rasterisers, SwiftShader and Mesa,
# may pick the neighbouring row of the stretched picture on a tie).
white_only() { "$E2E_CONVERT" "$1" -crop "$2" +repage -fill black +opaque white "$3"; }
white_only "$E2E_TMP/native.png" 700x90+15+100 "$E2E_TMP/native-text.png"
white_only "$E2E_TMP/start-a.png" 700x90+15+100 "$E2E_TMP/web-text.png"
e2e_same "$E2E_TMP/native-text.png" "$E2E_TMP/web-text.png" 700x90+0+0 ||
    e2e_fail "the text's white pixels differ from the desktop game's"
for region in 800x40+0+45 800x40+0+555; do
    d=$("$E2E_CONVERT" \( "$E2E_TMP/native.png" -crop "$region" +repage \) \
        \( "$E2E_TMP/start-a.png" -crop "$region" +repage \) \
        -compose difference -composite -format '%[fx:mean < 0.01 ? 1 : 0] %[fx:mean]' info:)
    [ "${d%% *}" = 1 ] || e2e_fail "the flames in $region differ from the desktop game's (mean difference ${d#* })"
done
e2e_ok "the text and the flames match the desktop game's start screen"

e2e_check_flock_advances "$E2E_TMP/play-a.png" "$E2E_TMP/play-b.png"
echo "PASS"
