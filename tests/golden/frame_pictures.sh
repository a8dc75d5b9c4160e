#!/bin/bash
# What the GL device shows (a card of the device's states and three frames of the
# game under frame_calls' input script) must stay as recorded, pixel for pixel.
# `frame_pictures.sh BUILD --record` records anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/compare.sh"
golden_begin "$1" frame_pictures
(cd "$build/run" && SDL_AUDIODRIVER=dummy "$build/tests/golden_frame_pictures" "$work" >/dev/null)
if [ "${2:-}" = --record ]; then
  mkdir -p "$expected"
  cp "$work"/*.png "$expected/"
  exit 0
fi
status=0
for png in "$expected"/*.png; do
  "$build/tests/golden_frame_pictures" --compare "$png" "$work/$(basename "$png")" || status=1
done
[ $status = 0 ] && echo "the pictures are the same" || echo "the pictures differ from the recording"
exit $status
