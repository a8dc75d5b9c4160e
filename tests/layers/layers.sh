#!/bin/bash
# The build holds the layers. A probe file in the game's world includes Assimp
# (in /usr/include, where any compiler finds it) and FreeType (found only on the
# include path of what links it), neither of which the world links: the layer
# check must refuse to configure it, and without the check the compiler must
# not find FreeType.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
configure() { cmake -S "$src" -B "$work/$1" -G Ninja -DPLUMFALL_LAYER_PROBE=ON "${@:2}" >"$work/$1.log" 2>&1; }
expect() { grep -qF "$2" "$work/$1.log" || { echo "$1: expected \"$2\""; cat "$work/$1.log"; exit 1; }; }

if configure checked; then
  echo "the layer check accepted a world that includes Assimp and FreeType"
  exit 1
fi
expect checked "tests/layers/probe.cpp (in plumfall_layer_probe) includes <assimp/scene.h> of PkgConfig::ASSIMP"
expect checked "tests/layers/probe.cpp (in plumfall_layer_probe) includes <ft2build.h> of PkgConfig::FREETYPE"

configure unchecked -DPLUMFALL_LAYER_CHECK=OFF
if cmake --build "$work/unchecked" --target plumfall_layer_probe >"$work/build.log" 2>&1; then
  echo "the world compiled with FreeType's include path"
  exit 1
fi
expect build "ft2build.h: No such file or directory"
echo "the world sees neither: refused by the check, and by the compiler"
