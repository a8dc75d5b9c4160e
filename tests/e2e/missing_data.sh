#!/bin/bash
# Damaged game data: a script.lua with a syntax error, or a picture missing.
# The game names what is missing and the data folder, and exits non-zero
# before its first frame (with --frames 1 a drawn frame would exit 0).
set -u
. "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_start_xvfb

# expect_refusal DIR NAME...: the game on data folder DIR.
expect_refusal() {
    local dir="$1" name
    shift
    e2e_start_game --data "$dir" --frames 1
    e2e_wait_exit 20
    [ "$E2E_EXIT_CODE" != 0 ] || e2e_fail "exit code 0 on $dir: a frame was drawn"
    grep -q "^ERREUR: donnees du jeu incompletes dans $dir : il manque " "$E2E_TMP/game.log" ||
        e2e_fail "no message naming $dir"
    for name in "$@"; do
        grep "^ERREUR: " "$E2E_TMP/game.log" | grep -qw "$name" || e2e_fail "$name is not named"
    done
    e2e_ok "$(basename "$dir"): exit code $E2E_EXIT_CODE, $*"
}

broken="$E2E_TMP/script-cassee"
cp -r "$E2E_RUNDIR" "$broken"
printf 'loadtexture("mur.png", "mur_tex"\n' >>"$broken/script.lua"
expect_refusal "$broken" poulet1_1_tex scie_tex taser_eclaire_2_tex progressbar_tex

nosaw="$E2E_TMP/sans-scie"
cp -r "$E2E_RUNDIR" "$nosaw"
rm "$nosaw/scie.png"
expect_refusal "$nosaw" scie_tex
grep "^ERREUR: " "$E2E_TMP/game.log" | grep -q "poulet1_1_tex" && e2e_fail "a texture that loaded is named"

e2e_start_game --data "$E2E_RUNDIR" --frames 1
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE with the whole data"
e2e_ok "the whole data: one frame, exit code 0"
echo "PASS"
