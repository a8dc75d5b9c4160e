#!/bin/bash
# The Debian package as `make package` builds it (dpkg-buildpackage on debian/):
# the programs, the data, the menu entry, the icons, the manual pages and the
# documents under /usr, dependencies read from the programs' libraries; then
# lintian and hardening-check (scripts/package-lint.sh). `make package-check`
# adds a second build that must give the same bytes.
set -u
. "$(dirname "$0")/lib.sh"
src=$(cd "$(dirname "$0")/../.." && pwd)
E2E_TMP=$(mktemp -d /tmp/plumfall-package.XXXXXX)
trap e2e_cleanup EXIT
for tool in dpkg-buildpackage dh lintian hardening-check; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing (sh scripts/install-deps.sh)"
done

start=$(date +%s)
deb=$(sh "$src/scripts/package.sh" "$E2E_TMP/out" 2>"$E2E_TMP/package.log") ||
    e2e_fail "make package failed: $(tail -n 20 "$E2E_TMP/package.log")"
[ -f "$deb" ] && [ "$(dirname "$deb")" = "$E2E_TMP/out" ] || e2e_fail "no .deb in the output folder: '$deb'"
e2e_ok "$(basename "$deb"), $(stat -c %s "$deb") bytes, built in $(($(date +%s) - start)) s"

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$E2E_TMP/files"
for f in usr/games/plumfall usr/games/plumfall-console usr/games/plumfall-headless \
    usr/share/games/plumfall/script.lua usr/share/games/plumfall/flammes.png usr/share/games/plumfall/poulet1_1.png \
    usr/share/games/plumfall/musique.mp3 usr/share/games/plumfall/pou.wav usr/share/games/plumfall/console_demo.txt \
    usr/share/applications/plumfall.desktop usr/share/icons/hicolor/32x32/apps/plumfall.png \
    usr/share/icons/hicolor/48x48/apps/plumfall.png usr/share/icons/hicolor/64x64/apps/plumfall.png \
    usr/share/icons/hicolor/128x128/apps/plumfall.png usr/share/icons/hicolor/256x256/apps/plumfall.png \
    usr/share/man/man6/plumfall.6.gz usr/share/man/man6/plumfall-console.6.gz \
    usr/share/man/man6/plumfall-headless.6.gz usr/share/doc/plumfall/copyright \
    usr/share/doc/plumfall/changelog.gz usr/share/doc/plumfall/README.md.gz; do
    grep -qx "\./$f" "$E2E_TMP/files" || e2e_fail "the package lacks /$f"
done
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' "$E2E_TMP/files" || e2e_fail "the package lacks its AppStream file"
grep -v '^\./usr/' "$E2E_TMP/files" | grep -qv '^\./$' && e2e_fail "files outside /usr: $(grep -v '^\./usr/' "$E2E_TMP/files")"
e2e_ok "$(grep -cv '/$' "$E2E_TMP/files") files, all under /usr"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl1.2debian libsdl-mixer1.2 liblua5.1-0 libtinyxml libchipmunk libassimp libfreetype6 fonts-liberation libgl1; do
    echo "$depends" | grep -q "\b$lib" || e2e_fail "no $lib among the dependencies: $depends"
done
e2e_ok "Depends: $depends"

sh "$src/scripts/package-lint.sh" "$deb" >"$E2E_TMP/lint.log" 2>&1 || e2e_fail "$(cat "$E2E_TMP/lint.log")"
e2e_ok "lintian and hardening-check: $(grep -c ': yes' "$E2E_TMP/lint.log") protections found in the three programs"
echo "PASS"
