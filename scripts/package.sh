#!/bin/sh
# package.sh OUT [FOLDER]
# Builds the Debian package with dpkg-buildpackage from a copy of the source
# in FOLDER (default OUT/package), since it writes into the tree it builds and
# beside it, and leaves the .deb in OUT. The Maintainer is
# "$DEBFULLNAME <$DEBEMAIL>" when both are set, else debian/control's.
#   package.sh --copy-only DIR    only copies the source into DIR
set -eu
src=$(cd "$(dirname "$0")/.." && pwd -P)

# The source as git knows it (committed or not, never ignored files such as
# build folders); outside git, everything but the build folders.
copy_source() {
    mkdir -p "$1"
    if [ "$(git -C "$src" rev-parse --show-toplevel 2>/dev/null)" = "$src" ]; then
        (cd "$src" && git ls-files -z --cached --others --exclude-standard |
            tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$1"
    else
        (cd "$src" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xf - -C "$1"
    fi
}

if [ "${1:-}" = --copy-only ]; then
    copy_source "${2:?usage: package.sh --copy-only DIR}"
    exit 0
fi
out=${1:?usage: package.sh OUT [FOLDER]}
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=${2:-$out/package}
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
tree="$work/plumfall-$version"
rm -rf "$work"
copy_source "$tree"

if [ -n "${DEBFULLNAME:-}" ] && [ -n "${DEBEMAIL:-}" ]; then
    sed -i "s|^Maintainer: .*|Maintainer: $DEBFULLNAME <$DEBEMAIL>|" "$tree/debian/control"
fi

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b) \
    >"$work/build.log" 2>&1 || {
    tail -n 40 "$work/build.log" >&2
    echo "package.sh: the build failed; its log: $work/build.log" >&2
    exit 1
}
deb="plumfall_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
mv "$work/$deb" "$out/$deb"
echo "$out/$deb"
