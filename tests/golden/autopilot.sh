#!/bin/bash
# The autopilot's play must stay what it was when recorded: at F1, F5 and F10
# (seed 1, 20,000 frames) the flock every 100 frames and the results. A change to
# the autopilot, its model or a rule it reads shows here, from the first frame
# that differs. `autopilot.sh BUILD --record` records anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/compare.sh"
golden_begin "$1" autopilot
status=0
for d in 1 5 10; do
  name=F${d}_seed1
  SDL_AUDIODRIVER=dummy "$build/tools/headless/plumfall-headless" --frames 20000 --difficulty "$d" --seed 1 \
    --pointer autopilot --no-render --trace 100 2>/dev/null |
    grep -E '^(frame [0-9]+: |[a-z][a-z0-9 ]*: )' >"$work/$name.txt"
  if [ "${2:-}" = --record ]; then
    cp "$work/$name.txt" "$expected/"
  elif ! cmp -s "$expected/$name.txt" "$work/$name.txt"; then
    echo "$name: the autopilot's play changed; first difference:"
    awk 'NR == FNR { a[FNR] = $0; n = FNR; next }
         a[FNR] != $0 { print "  recorded: " a[FNR]; print "  now:      " $0; found = 1; exit }
         END { if (!found) print "  now ends early, at line " FNR " of " n }' "$expected/$name.txt" "$work/$name.txt"
    status=1
  fi
done
exit $status
