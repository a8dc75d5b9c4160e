#!/bin/bash
# The game must stay winnable, and about as quick to win: at F1 the autopilot
# brings a chicken to x = 8000 within 6,000 frames with seeds 1, 2 and 3 (its
# best is about 3,200). A change to the physics, the contacts or the timing
# that breaks this fails here.
set -euo pipefail
headless=$1
status=0
for seed in 1 2 3; do
  first=$("$headless" --frames 6000 --difficulty 1 --seed "$seed" --pointer autopilot --no-render 2>/dev/null |
    sed -n 's/^first finish at frame: //p')
  if [ -n "$first" ] && [ "$first" -ge 0 ]; then
    echo "seed $seed: first chicken at the finish in frame $first"
  else
    echo "FAIL: seed $seed: no chicken at the finish within 6000 frames"
    status=1
  fi
done
exit $status
