#!/bin/sh
# Installs the Debian packages the build, the game and the tests need.
# apt-get runs only when something is missing, so repeated builds stay fast.
#
#   sh scripts/install-deps.sh --sdl12-compat DIR
# also unpacks Debian's libsdl1.2-compat (SDL 1.2's interface over SDL 2, what
# newer distributions ship as SDL 1.2) into DIR without installing it, since it
# would replace SDL 1.2, and prints the folder to put first on LD_LIBRARY_PATH.
#
#   sh scripts/install-deps.sh --web
# also installs what the browser build and its test need: Emscripten, Chromium,
# Node and the test's npm packages (tests/web/package-lock.json).
set -e
# What the package build needs is debian/control's Build-Depends (debhelper
# for debhelper-compat); then what the tests, the tools and the package
# checks need.
control="$(dirname "$0")/../debian/control"
BUILD_DEPS=$(sed -n '/^Build-Depends:/,/^[^ ]/p' "$control" | sed 's/^Build-Depends://; /^[^ ]/d' |
    tr ',' '\n' | sed 's/|.*//; s/[([<].*//; s/^ *//; s/ *$//; s/^debhelper-compat$/debhelper/' | grep .)
PKGS="build-essential dpkg-dev $BUILD_DEPS
libglu1-mesa-dev fonts-liberation libgl1-mesa-dri libgles-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev
clang libclang-rt-14-dev
xvfb xauth xdotool x11-utils x11-xkb-utils libx11-dev imagemagick sox openbox
desktop-file-utils appstream man-db groff-base libsdl2-2.0-0
fakeroot lintian devscripts"
if [ "${1:-}" = --web ]; then
    PKGS="$PKGS emscripten chromium nodejs"
    # A Node from elsewhere brings its own npm, which Debian's package would conflict with.
    command -v npm >/dev/null || PKGS="$PKGS npm"
fi
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "installing:$missing" >&2
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends $missing >&2
fi

if [ "${1:-}" = --web ]; then
    web=$(dirname "$0")/../tests/web
    # The lock file pins every package; npm ci only when it changed.
    if ! cmp -s "$web/package-lock.json" "$web/node_modules/.installed-lock" 2>/dev/null; then
        (cd "$web" && npm ci --no-audit --no-fund --loglevel=error) >&2
        cp "$web/package-lock.json" "$web/node_modules/.installed-lock"
    fi
    exit 0
fi
[ "${1:-}" = --sdl12-compat ] || exit 0
dir=${2:?usage: install-deps.sh --sdl12-compat DIR}
lib=$(find "$dir" -name libSDL-1.2.so.0 2>/dev/null | head -n 1)
if [ -z "$lib" ]; then
    mkdir -p "$dir/deb"
    (cd "$dir/deb" && { apt-get download -qq libsdl1.2-compat 2>/dev/null ||
        { $SUDO apt-get update -qq && apt-get download -qq libsdl1.2-compat; }; }) >&2
    dpkg -x "$dir"/deb/libsdl1.2-compat_*.deb "$dir"
    lib=$(find "$dir" -name libSDL-1.2.so.0 | head -n 1)
fi
dirname "$lib"
