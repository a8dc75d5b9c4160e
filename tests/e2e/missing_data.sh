#!/bin/bash
# Damaged game data: the game names what is missing, the data folder and each
# cause (a picture absent, unreadable or no picture at all, or the script's
# error), and exits non-zero before its first frame (with --frames 1 a drawn
# frame would exit 0). A data folder or script.lua the user may not read is
# said to be so. Missing sounds cost one warning line; the game plays on. A
# model that crashes the importer is refused like any bad file; the game plays.
set -u
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"

# expect_refusal DIR TEXT...: the game on data folder DIR; each TEXT in its ERREUR line.
expect_refusal() {
    local dir="$1" text
    shift
    e2e_start_game --data "$dir" --frames 1
    e2e_wait_exit 20
    [ "$E2E_EXIT_CODE" != 0 ] || e2e_fail "exit code 0 on $dir: a frame was drawn"
    grep -q "^ERREUR: donnees du jeu incompletes dans $dir : il manque " "$E2E_TMP/game.log" ||
        e2e_fail "no message naming $dir"
    for text in "$@"; do
        grep "^ERREUR: " "$E2E_TMP/game.log" | grep -qF -- "$text" || e2e_fail "'$text' is not said"
    done
    e2e_ok "$(basename "$dir"): exit code $E2E_EXIT_CODE, $*"
}

broken="$E2E_TMP/script-cassee"
cp -r "$E2E_RUNDIR" "$broken"
printf 'loadtexture("mur.png", "mur_tex"\n' >>"$broken/script.lua"
expect_refusal "$broken" "poulet1_1_tex, " "scie_tex, " "taser_eclaire_2_tex (jamais charges" \
    "s'est arrete sur l'erreur \"script.lua:"

bad="$E2E_TMP/images-abimees"
cp -r "$E2E_RUNDIR" "$bad"
rm "$bad/scie.png"
echo "not a picture" >"$bad/flammes.png"
expect_refusal "$bad" "scie_tex (scie.png absent)" "flammes_tex (flammes.png n'est pas une image lisible)"
grep "^ERREUR: " "$E2E_TMP/game.log" | grep -q "poulet1_1_tex" && e2e_fail "a texture that loaded is named"

# What another user may not read: root reads everything, so root runs the game as nobody.
other=()
[ "$(id -u)" = 0 ] && other=(setpriv --reuid=65534 --regid=65534 --clear-groups)
chmod 755 "$E2E_TMP"
# as_other DIR: the game as that user on DIR; its output in game.log, its status in E2E_EXIT_CODE.
as_other() {
    (cd / && exec env SDL_AUDIODRIVER=dummy "${other[@]}" "$E2E_BIN" --data "$1" --frames 1) >"$E2E_TMP/game.log" 2>&1
    E2E_EXIT_CODE=$?
}
if "${other[@]}" test -x "$E2E_BIN" && "${other[@]}" test -r "$E2E_RUNDIR/script.lua"; then
    locked="$E2E_TMP/fermee"
    cp -r "$E2E_RUNDIR" "$locked"
    chmod -R a+rX "$locked"
    chmod 000 "$locked/fin.png"
    as_other "$locked"
    [ "$E2E_EXIT_CODE" = 1 ] || e2e_fail "exit code $E2E_EXIT_CODE with an unreadable picture, not 1"
    grep -qF "fin_tex (fin.png illisible, permission refusee)" "$E2E_TMP/game.log" ||
        e2e_fail "the unreadable picture is not said: $(grep ERREUR "$E2E_TMP/game.log")"
    e2e_ok "an unreadable picture: $(grep -o 'fin_tex ([^)]*)' "$E2E_TMP/game.log")"
    for blocked in "$locked/script.lua" "$locked"; do
        chmod 000 "$blocked"
        as_other "$locked"
        chmod 755 "$blocked"
        [ "$E2E_EXIT_CODE" = 1 ] || e2e_fail "exit code $E2E_EXIT_CODE when $blocked is unreadable, not 1"
        [ "$(cat "$E2E_TMP/game.log")" = "plumfall: cannot read the game data: $blocked: Permission denied" ] ||
            e2e_fail "unreadable $blocked: $(cat "$E2E_TMP/game.log")"
        e2e_ok "$(cat "$E2E_TMP/game.log")"
    done
else
    e2e_ok "skipped the unreadable files: user nobody cannot reach $E2E_BIN or $E2E_RUNDIR"
fi

quiet="$E2E_TMP/sans-son"
cp -r "$E2E_RUNDIR" "$quiet"
rm "$quiet/pou.wav"
e2e_start_game --data "$quiet" --frames 1
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE without pou.wav, not 0"
warning=$(grep '^plumfall: ' "$E2E_TMP/game.log")
[ "$warning" = "plumfall: warning: no sound from pou.wav (No such file or directory) in $quiet; the game goes on without them" ] ||
    e2e_fail "not the one warning line: $warning"
e2e_ok "no pou.wav: one frame, exit code 0, $warning"

badmodel="$E2E_TMP/modele-casse"
cp -r "$E2E_RUNDIR" "$badmodel"
cp "$(dirname "$0")/../../fuzz/corpus/mesh/importer-crash-material-name.x" "$badmodel/bad.x"
printf 'loadmesh("bad.x", "mauvais")\n' >>"$badmodel/script.lua"
e2e_start_game --data "$badmodel" --frames 1
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE with a model that crashes the importer"
grep -qx "chargement du mesh : bad.x a echoue " "$E2E_TMP/game.log" || e2e_fail "no refusal of bad.x"
e2e_ok "a model that crashes the importer: refused, one frame, exit code 0"

e2e_start_game --data "$E2E_RUNDIR" --frames 1
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE with the whole data"
grep -q '^plumfall: ' "$E2E_TMP/game.log" && e2e_fail "a warning with the whole data: $(grep '^plumfall: ' "$E2E_TMP/game.log")"
e2e_ok "the whole data: one frame, exit code 0, no warning"
echo "PASS"
