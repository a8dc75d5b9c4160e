#!/bin/sh
# package-check.sh OUT
# Builds the package twice from the same source, in different folders, at
# different times, under another time zone, locale and umask: the two .deb
# files must be byte for byte the same. Then package-lint.sh on it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "${1:?usage: package-check.sh OUT}"
check="$(cd "$1" && pwd)/package-check"
rm -rf "$check"
mkdir -p "$check"

# Both builds start from one copy of the source, so that work going on in
# the tree meanwhile does not make them differ.
sh "$here/package.sh" --copy-only "$check/source"
first=$( (umask 022 && TZ=UTC LC_ALL=C.UTF-8 sh "$check/source/scripts/package.sh" "$check/1" "$check/1/src") )
second=$( (umask 002 && TZ=Pacific/Kiritimati LC_ALL=C sh "$check/source/scripts/package.sh" "$check/second" \
    "$check/second/a/longer/folder") )
sha256sum "$first" "$second"
if ! cmp -s "$first" "$second"; then
    echo "package-check: the two builds differ" >&2
    if command -v diffoscope >/dev/null; then
        diffoscope "$first" "$second" >&2 || true
    else
        for f in "$first" "$second"; do
            mkdir -p "$f.x" && dpkg-deb -R "$f" "$f.x"
        done
        diff -r "$first.x" "$second.x" >&2 || true
    fi
    exit 1
fi
echo "reproducible: $(basename "$first"), $(stat -c %s "$first") bytes"
echo "Depends: $(dpkg-deb -f "$first" Depends)"

sh "$here/package-lint.sh" "$first"
echo PASS
