#!/bin/bash
# The autopilot's difficulty curve: 20,000 frames (ten minutes of play) at each
# difficulty with seeds 1, 2 and 3, summed per difficulty, as a Markdown table.
# difficulty_curve.sh HEADLESS [FRAMES] [DIFFICULTIES...]; SEEDS="4 5 6" for other seeds.
set -euo pipefail
headless=$1
frames=${2:-20000}
shift $(( $# > 1 ? 2 : 1 ))
difficulties=${*:-1 2 3 4 5 6 7 8 9 10}
seeds=${SEEDS:-1 2 3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for d in $difficulties; do
  for s in $seeds; do
    echo "$d $s"
  done
done | xargs -P "${JOBS:-2}" -n 2 sh -c \
  '"$0" --frames '"$frames"' --difficulty "$1" --seed "$2" --pointer autopilot --no-render \
     >"'"$work"'/F$1_$2" 2>/dev/null' "$headless"
field() { sed -n "s/^$2: //p" "$1"; }
echo "| Level | Made | Finished (per seed) | Dead by saw | Fallen | Overeaten | First finish (frame, per seed) |"
echo "|---|---|---|---|---|---|---|"
for d in $difficulties; do
  made=0 saw=0 fallen=0 eaten=0 fin=0 per="" first=""
  for s in $seeds; do
    f=$work/F${d}_$s
    made=$((made + $(field "$f" "chickens made")))
    saw=$((saw + $(field "$f" "dead by saw")))
    fallen=$((fallen + $(field "$f" "fallen")))
    eaten=$((eaten + $(field "$f" "dead by overeating")))
    n=$(field "$f" "finished at 8000")
    fin=$((fin + n))
    per="$per${per:+, }$n"
    p=$(field "$f" "first finish at frame")
    [ "$p" = -1 ] && p="none"
    first="$first${first:+, }$p"
  done
  echo "| F$d | $made | $fin ($per) | $saw | $fallen | $eaten | $first |"
done
