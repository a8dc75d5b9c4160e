#!/bin/sh
# package-lint.sh DEB
# lintian with every tag counted (errors to pedantic notes) but those
# debian/plumfall.lintian-overrides explains, then hardening-check on each
# program the package holds.
set -eu
deb=${1:?usage: package-lint.sh DEB}
lintian -I -E --pedantic --fail-on error,warning,info,pedantic "$deb"
echo "lintian: no tag left but the overridden ones"

# Control-flow protection cannot be had on Debian 12: its C start files
# (Scrt1.o, crti.o, crtn.o) lack the IBT and SHSTK marks, so the linker drops
# them from every program, a "hello world" built with -fcf-protection too.
root=$(mktemp -d /tmp/plumfall-deb.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for prog in plumfall plumfall-console plumfall-headless; do
    hardening-check --nocfprotection "$root/usr/games/$prog"
done
