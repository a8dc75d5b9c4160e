#!/bin/bash
# The Debian package as `make package` builds it: the programs, the data, the
# menu entry, the icons and the manual pages under /usr, and dependencies read
# from the programs' libraries.
set -u
. "$(dirname "$0")/lib.sh"
E2E_BUILD=$(cd "${1:?usage: $0 <build dir>}" && pwd) || exit 1
E2E_TMP=$(mktemp -d /tmp/plumfall-package.XXXXXX)
trap e2e_cleanup EXIT
command -v dpkg-shlibdeps >/dev/null || e2e_fail "dpkg-shlibdeps is missing (sh scripts/install-deps.sh)"

(cd "$E2E_TMP" && cpack -G DEB --config "$E2E_BUILD/CPackConfig.cmake" -B "$E2E_TMP") >"$E2E_TMP/cpack.log" 2>&1 ||
    e2e_fail "cpack failed: $(tail -n 5 "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/plumfall_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || e2e_fail "no plumfall_<version>_<arch>.deb: $(tail -n 3 "$E2E_TMP/cpack.log")"
e2e_ok "$(basename "$deb"), $(stat -c %s "$deb") bytes"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$E2E_TMP/files"
for f in usr/games/plumfall usr/games/plumfall-console usr/games/plumfall-headless \
    usr/share/games/plumfall/script.lua usr/share/games/plumfall/flammes.png usr/share/games/plumfall/poulet1_1.png \
    usr/share/games/plumfall/musique.mp3 usr/share/games/plumfall/pou.wav usr/share/games/plumfall/console_demo.txt \
    usr/share/applications/plumfall.desktop usr/share/icons/hicolor/32x32/apps/plumfall.png \
    usr/share/icons/hicolor/48x48/apps/plumfall.png usr/share/icons/hicolor/64x64/apps/plumfall.png \
    usr/share/icons/hicolor/128x128/apps/plumfall.png usr/share/icons/hicolor/256x256/apps/plumfall.png \
    usr/share/man/man6/plumfall.6 usr/share/man/man6/plumfall-console.6 usr/share/man/man6/plumfall-headless.6; do
    grep -qx "\./$f" "$E2E_TMP/files" || e2e_fail "the package lacks /$f"
done
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' "$E2E_TMP/files" || e2e_fail "the package lacks its AppStream file"
grep -v '^\./usr/' "$E2E_TMP/files" | grep -qv '^\./$' && e2e_fail "files outside /usr: $(grep -v '^\./usr/' "$E2E_TMP/files")"
e2e_ok "$(grep -cv '/$' "$E2E_TMP/files") files, all under /usr"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl1.2debian libsdl-mixer1.2 liblua5.1-0 libtinyxml libchipmunk libassimp libfreetype6 fonts-liberation; do
    echo "$depends" | grep -q "\b$lib" || e2e_fail "no $lib among the dependencies: $depends"
done
e2e_ok "Depends: $depends"
echo "PASS"
