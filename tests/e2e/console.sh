#!/bin/bash
# The console program runs a command script that selects a scene, moves it
# and saves it as XML; a line typed on the keyboard runs through the shell
# and its result shows in the scroll-back; a second run reads the saved
# scene back and writes the same XML again.
set -u
: "${E2E_KEEP:=}"
. "$(dirname "$0")/lib.sh"
e2e_begin "$1"
E2E_BIN="$E2E_BUILD/tools/console/plumfall-console"
export PLUMFALL_CONSOLE_TRACE=1

saved="$E2E_TMP/scene12.xml"
cat >"$E2E_TMP/commandes.txt" <<END
select 12
translation x 10
savexml $saved
END

e2e_open "$E2E_TMP/commandes.txt"
e2e_wait_log "console| loading file $E2E_TMP/commandes.txt" 10
e2e_wait_log "console|     scene 12 selectionnee" 5
[ -s "$saved" ] || e2e_fail "the script did not save $saved"
# Scene 12 holds the chicken 150 units left of the centre, moved 10 to the right.
head -n 1 "$saved" | grep -qF 'matrice = "1 0 0 0 0 1 0 0 0 0 1 0 -140 0 0 1"' ||
    e2e_fail "unexpected saved scene: $(head -n 1 "$saved")"
grep -qF 'texture nom = "poulet1_1_tex"' "$saved" || e2e_fail "the saved scene lost the chicken's texture"
e2e_ok "the command script selected, moved and saved scene 12"

# The keys of the layout in use (Xvfb's default, US) type their own characters.
xdotool windowfocus --sync "$E2E_WIN" || e2e_fail "cannot focus window $E2E_WIN"
xdotool type --delay 40 'echo [ calcul 1 + 2 ]'
xdotool key Return
e2e_wait_log "console| echo [ calcul 1 + 2 ]" 5
e2e_wait_log "console| 3 " 5
grep -aqx "101" "$E2E_TMP/game.log" || e2e_fail "the key code of 'e' (101) was not traced"
e2e_ok "typed 'echo [ calcul 1 + 2 ]' shows 3 in the scroll-back"

e2e_screenshot "$E2E_WIN" "$E2E_TMP/shot.png"
brightest=$(e2e_brightest "$E2E_TMP/shot.png") || exit 1
[ "$brightest" -gt 0 ] || e2e_fail "the window shows only black"
e2e_close
e2e_ok "first run closed with exit code 0"

again="$E2E_TMP/again.xml"
cat >"$E2E_TMP/relire.txt" <<END
loadxml $saved
show
savexml $again
END
e2e_open "$E2E_TMP/relire.txt"
# The root holds three scenes: the loaded one becomes the fourth.
e2e_wait_log "console|    SCENE : 14" 10
for i in $(seq 50); do
    [ -s "$again" ] && break
    sleep 0.1
done
cmp -s "$saved" "$again" || e2e_fail "the scene read back saves differently: $(diff "$saved" "$again" | head -n 5)"
e2e_ok "the saved scene reads back and saves the same XML"
e2e_close
echo "PASS"
