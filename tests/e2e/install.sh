#!/bin/bash
# `make install` into a scratch DESTDIR, then the installed programs as a
# player meets them: from an unrelated empty directory, with the data found
# next to the program, through PLUMFALL_DATA or --data; without any data, one
# line and no window. The desktop entry, the AppStream file and the manual
# pages pass their validators.
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/lib_image.sh"
e2e_init "$1"
for tool in desktop-file-validate appstreamcli man xprop; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing (sh scripts/install-deps.sh)"
done

dest="$E2E_TMP/dest"
DESTDIR="$dest" cmake --install "$E2E_BUILD" --prefix /usr/local --strip >"$E2E_TMP/install.log" 2>&1 ||
    e2e_fail "install failed: $(tail -n 5 "$E2E_TMP/install.log")"
prefix="$dest/usr/local"
data="$prefix/share/games/plumfall"
for f in games/plumfall games/plumfall-console games/plumfall-headless share/games/plumfall/script.lua \
    share/games/plumfall/flammes.png share/games/plumfall/musique.mp3 share/games/plumfall/console_demo.lua \
    share/applications/plumfall.desktop share/icons/hicolor/32x32/apps/plumfall.png \
    share/icons/hicolor/256x256/apps/plumfall.png share/man/man6/plumfall.6; do
    [ -e "$prefix/$f" ] || e2e_fail "not installed: $f"
done
e2e_ok "installed $(find "$dest" -type f | wc -l) files under $prefix"

for prog in plumfall plumfall-console plumfall-headless; do
    "$prefix/games/$prog" --version >"$E2E_TMP/v.log" 2>&1 || e2e_fail "$prog --version: exit code $?"
    grep -qx "$prog [0-9][0-9.]*" "$E2E_TMP/v.log" || e2e_fail "$prog --version says: $(cat "$E2E_TMP/v.log")"
    "$prefix/games/$prog" --help >"$E2E_TMP/h.log" 2>&1 || e2e_fail "$prog --help: exit code $?"
    grep -q "^usage: $prog" "$E2E_TMP/h.log" || e2e_fail "$prog --help says: $(head -n 2 "$E2E_TMP/h.log")"
done
e2e_ok "--version and --help of the three programs: $(cat "$E2E_TMP/v.log")"

desktop-file-validate "$prefix/share/applications/plumfall.desktop" >"$E2E_TMP/val.log" 2>&1 ||
    e2e_fail "desktop-file-validate: $(cat "$E2E_TMP/val.log")"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$E2E_TMP/val.log" 2>&1 ||
    e2e_fail "appstreamcli validate: $(cat "$E2E_TMP/val.log")"
for page in "$prefix"/share/man/man6/*.6; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || e2e_fail "man -l $(basename "$page"): $warnings"
done
e2e_ok "desktop entry, AppStream file and $(ls "$prefix"/share/man/man6 | wc -l) manual pages validate"

e2e_start_xvfb
empty="$E2E_TMP/empty"
mkdir -p "$empty"

# play_from_elsewhere WHAT PROGRAM [ARGS]: the program started from the empty
# directory must show the start screen with its pictures, then close with 0.
play_from_elsewhere() {
    local what="$1" prog="$2"
    shift 2
    E2E_RUNDIR="$empty" E2E_BIN="$prog" e2e_open "$@"
    sleep 1.5
    e2e_screenshot "$E2E_WIN" "$E2E_TMP/shot.png"
    local flames text
    flames=$(e2e_count "$E2E_TMP/shot.png" 800x40+0+45 'r > b + 10')
    text=$(e2e_count "$E2E_TMP/shot.png" 700x40+15+100 'r == 255 && g == 255 && b == 255')
    [ "$flames" -gt 30000 ] || e2e_fail "$what: no flames behind the belt ($flames warm pixels of 32000)"
    [ "$text" -gt 500 ] || e2e_fail "$what: no start text ($text white pixels)"
    e2e_close_window "$E2E_WIN"
    e2e_wait_exit 3
    [ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "$what: exit code $E2E_EXIT_CODE after closing"
    e2e_ok "$what: start screen with its pictures, exit code 0"
}

# The installed game, from the empty directory: window class and icon for the desktop.
E2E_RUNDIR="$empty" E2E_BIN="$prefix/games/plumfall" e2e_open
xprop -id "$E2E_WIN" WM_CLASS | grep -q '"plumfall"' || e2e_fail "window class: $(xprop -id "$E2E_WIN" WM_CLASS)"
# SDL 1.2 gives an icon bitmap in the hints, SDL 2 under sdl12-compat the _NET_WM_ICON pixels.
xprop -id "$E2E_WIN" WM_HINTS _NET_WM_ICON | grep -qE 'to use for icon|_NET_WM_ICON\(CARDINAL\)' ||
    e2e_fail "no window icon: $(xprop -id "$E2E_WIN" WM_HINTS _NET_WM_ICON | head -c 300)"
e2e_ok "$(xprop -id "$E2E_WIN" WM_CLASS), with an icon"
e2e_close_window "$E2E_WIN"
e2e_wait_exit 3
play_from_elsewhere "installed, data found beside the program" "$prefix/games/plumfall"
e2e_keep "$E2E_TMP/shot.png" installed-from-elsewhere.png

# The installed console loads the data from its folder, then works where it
# was started: a relative command file is read, and a scene saved, there.
printf 'select 12\nsavexml saved.xml\n' >"$empty/commandes.txt"
E2E_RUNDIR="$empty" E2E_BIN="$prefix/games/plumfall-console" e2e_open commandes.txt
for i in $(seq 50); do
    [ -s "$empty/saved.xml" ] && break
    sleep 0.1
done
[ -s "$empty/saved.xml" ] || e2e_fail "the console did not save saved.xml where it was started"
grep -qF 'poulet1_1_tex' "$empty/saved.xml" || e2e_fail "the saved scene lacks the chicken: $(head -c 200 "$empty/saved.xml")"
e2e_close_window "$E2E_WIN"
e2e_wait_exit 3
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "the console's exit code $E2E_EXIT_CODE after closing"
rm -f "$empty/commandes.txt" "$empty/saved.xml"
e2e_ok "the installed console read commandes.txt and saved saved.xml in the directory it was started from"

# A copy of the program with nothing beside it finds data only where it is told.
lone="$E2E_TMP/lone/games"
mkdir -p "$lone"
cp "$prefix/games/plumfall" "$lone/"
PLUMFALL_DATA="$data" play_from_elsewhere "PLUMFALL_DATA" "$lone/plumfall"
play_from_elsewhere "--data" "$lone/plumfall" --data "$data"

(cd "$empty" && exec env SDL_AUDIODRIVER=dummy timeout 20 "$lone/plumfall") >"$E2E_TMP/out.log" 2>"$E2E_TMP/err.log"
code=$?
[ "$code" != 0 ] || e2e_fail "no data: exit code 0"
[ "$(wc -l <"$E2E_TMP/err.log")" = 1 ] || e2e_fail "no data: not one line: $(cat "$E2E_TMP/err.log")"
grep -qF "$E2E_TMP/lone/share/games/plumfall" "$E2E_TMP/err.log" || e2e_fail "no data: places not named: $(cat "$E2E_TMP/err.log")"
[ ! -s "$E2E_TMP/out.log" ] || e2e_fail "no data: output on standard output: $(head -n 3 "$E2E_TMP/out.log")"
xdotool search --name "^Plumfall" >/dev/null 2>&1 && e2e_fail "no data: a window opened"
e2e_ok "no data: exit code $code, $(cat "$E2E_TMP/err.log")"
echo "PASS"
