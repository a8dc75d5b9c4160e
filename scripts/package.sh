#!/bin/sh
# package.sh OUT [FOLDER]
# Builds the Debian package with dpkg-buildpackage from a copy of the source
# in FOLDER (default OUT/package), since it writes into the tree it builds and
# beside it, and leaves the .deb in OUT. The Maintainer is
# "$DEBFULLNAME <$DEBEMAIL>" when both are set, else debian/control's.
set -eu
out=${1:?usage: package.sh OUT [FOLDER]}
src=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=${2:-$out/package}
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
tree="$work/plumfall-$version"
rm -rf "$work"
mkdir -p "$tree"

# The source as git knows it (committed or not, never ignored files such as
# build folders); without git, everything but the build folders.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$tree"
else
    (cd "$src" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xf - -C "$tree"
fi

if [ -n "${DEBFULLNAME:-}" ] && [ -n "${DEBEMAIL:-}" ]; then
    sed -i "s/^Maintainer: .*/Maintainer: $DEBFULLNAME <$DEBEMAIL>/" "$tree/debian/control"
fi

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b) \
    >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; echo "package.sh: the build failed; its log: $work/build.log" >&2; exit 1; }
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
deb="plumfall_${version}_$arch.deb"
mv "$work/$deb" "$out/$deb"
echo "$out/$deb"
