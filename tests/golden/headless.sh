#!/bin/bash
# The headless world's whole output (standard output and error) at F1, F5 and F10
# for seeds 1 to 3 over 20,000 frames must stay what it was when recorded: any
# change to the rules, the contacts, the physics or the draw sequence shows here.
# `headless.sh BUILD --record` writes the expected outputs anew.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
expected=$here/headless
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for d in 1 5 10; do
  for s in 1 2 3; do
    name=F${d}_seed${s}
    (cd "$build/run" && SDL_AUDIODRIVER=dummy "$build/tools/headless/plumfall-headless" \
      --frames 20000 --difficulty "$d" --seed "$s" --resources script.lua \
      >"$work/$name.out" 2>"$work/$name.err")
    if [ "${2:-}" = --record ]; then
      cp "$work/$name.out" "$work/$name.err" "$expected/"
    else
      for k in out err; do
        diff -u "$expected/$name.$k" "$work/$name.$k" || { echo "$name.$k differs"; status=1; }
      done
    fi
  done
done
exit $status
