#!/bin/bash
# What the headless world did at F1, F5 and F10 for seeds 1 to 3 over 20,000
# frames must stay what it was when recorded: its state every 100 frames and
# its closing summary. Any change to the rules, the contacts, the physics or
# the draw sequence shows here; what loaders and libraries print does not.
# `headless.sh BUILD --record` writes the expected results anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/compare.sh"
golden_begin "$1" headless
# The tool's own result lines: "frame N: …" and the summary's "name: value".
results='^(frame [0-9]+|[a-z][a-z0-9 ]*): '
status=0
for d in 1 5 10; do
  for s in 1 2 3; do
    name=F${d}_seed${s}
    (cd "$build/run" && SDL_AUDIODRIVER=dummy "$build/tools/headless/plumfall-headless" \
      --frames 20000 --difficulty "$d" --seed "$s" --resources script.lua --trace 100 \
      >"$work/$name.log" 2>&1) || { echo "$name: exit status $?"; tail -n 5 "$work/$name.log"; status=1; continue; }
    grep -E "$results" "$work/$name.log" >"$work/$name.out" || true
    if [ "${2:-}" = --record ]; then
      cp "$work/$name.out" "$expected/"
    else
      first_difference "$name" "$expected/$name.out" "$work/$name.out" || status=1
    fi
  done
done
[ $status = 0 ] && [ "${2:-}" != --record ] && echo "9 runs: the same results"
exit $status
