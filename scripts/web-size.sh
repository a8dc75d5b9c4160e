#!/bin/sh
# The browser build's download: each file raw and as gzip -9 would send it.
set -e
dir=${1:?usage: web-size.sh BUILD_WEB_DIR}
total=0 ztotal=0
for f in index.html plumfall.js plumfall.wasm plumfall.data; do
    raw=$(wc -c <"$dir/$f")
    gz=$(gzip -9 -c "$dir/$f" | wc -c)
    total=$((total + raw)) ztotal=$((ztotal + gz))
    printf '%-14s %9d bytes, gzip %9d\n' "$f" "$raw" "$gz"
done
printf '%-14s %9d bytes, gzip %9d\n' total "$total" "$ztotal"
