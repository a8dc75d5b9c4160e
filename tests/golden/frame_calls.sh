#!/bin/bash
# The game's frame, 300 frames under a fixed input script on a recording device,
# must make the same device calls as when recorded: each frame's digest, and the
# full text of the sampled frames. `frame_calls.sh BUILD --record` records anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/compare.sh"
golden_begin "$1" frame_calls
(cd "$build/run" && SDL_AUDIODRIVER=dummy "$build/tests/golden_frame_calls" "$work" >/dev/null)
if [ "${2:-}" = --record ]; then
  mkdir -p "$expected"
  cp "$work/digests.txt" "$expected/"
  gzip -9n <"$work/sample.txt" >"$expected/sample.txt.gz"
  exit 0
fi
status=0
first_difference digests.txt "$expected/digests.txt" "$work/digests.txt" || status=1
gzip -dc "$expected/sample.txt.gz" | diff -u - "$work/sample.txt" | head -n 80 || status=1
[ $status = 0 ] && echo "300 frames: the same calls" || echo "the frame's calls differ from the recording"
exit $status
