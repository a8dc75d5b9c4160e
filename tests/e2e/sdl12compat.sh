#!/bin/bash
# The game and the console program on sdl12-compat (SDL 1.2's interface over
# SDL 2, which newer distributions ship instead of SDL 1.2): Debian's
# libsdl1.2-compat, unpacked by the project's install script, first on
# LD_LIBRARY_PATH; then the window, start-screen and console tests on it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 <build dir>}" && pwd) || exit 1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

libdir=$(sh "$here/../../scripts/install-deps.sh" --sdl12-compat "$build/sdl12-compat") ||
    fail "could not fetch libsdl1.2-compat"
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
for prog in "$build/plumfall" "$build/tools/console/plumfall-console"; do
    # sdl12-compat opens SDL 2 itself when SDL starts.
    libs=$(ldd "$prog")
    echo "$libs" | grep -q "libSDL-1.2.so.0 => $libdir/" || fail "$prog does not load sdl12-compat: $libs"
done
echo "ok: on $(ls "$build"/sdl12-compat/deb/*.deb | xargs -n 1 basename)"

for t in window startscreen console; do
    out=$(bash "$here/$t.sh" "$build" 2>&1) || fail "$t on sdl12-compat: $(echo "$out" | grep -v '^chargement\|\.png ' | tail -n 8)"
    echo "ok: $t passes on sdl12-compat"
done
echo "PASS"
