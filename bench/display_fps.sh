#!/bin/bash
# Frames per second of the real game under Xvfb at scale 1, at --scale 2 and
# full screen (1920x1080 and 2048x1536 desktops). Each figure times 600 frames
# as the difference between --frames 660 and --frames 60, so start-up cancels
# out; the median of REPS runs. Frame pacing holds the game at 60 at most.
#   bench/display_fps.sh BUILD_DIR [REPS]
set -u
build=$(cd "${1:?usage: $0 <build dir> [reps]}" && pwd)
reps="${2:-5}"
tmp=$(mktemp -d)
pids=""
trap 'for p in $pids; do kill "$p" 2>/dev/null; done; rm -rf "$tmp"' EXIT

# xvfb SIZE: starts a server; its display goes in $display.
xvfb() {
    Xvfb -displayfd 5 -screen 0 "$1x24" -nolisten tcp -noreset 5>"$tmp/$1" >/dev/null 2>&1 &
    pids="$pids $!"
    for _ in $(seq 100); do
        grep -q '^[0-9]' "$tmp/$1" 2>/dev/null && break
        sleep 0.1
    done
    display=":$(head -n 1 "$tmp/$1")"
}

# seconds DISPLAY FRAMES ARGS...: wall time of one run.
seconds() {
    local display="$1" frames="$2" start end
    shift 2
    start=$(date +%s.%N)
    (cd "$build/run" && DISPLAY="$display" XDG_CONFIG_HOME="$tmp/config" SDL_AUDIODRIVER=dummy \
        ../plumfall --frames "$frames" "$@" >/dev/null 2>&1)
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

xvfb 2048x1536
big=$display
xvfb 1920x1080
wide=$display
measure() {
    local name="$1" display="$2" fps=""
    shift 2
    for _ in $(seq "$reps"); do
        short=$(seconds "$display" 60 "$@")
        long=$(seconds "$display" 660 "$@")
        fps="$fps $(echo "600 / ($long - $short)" | bc -l)"
    done
    printf '%-34s' "$name"
    echo "$fps" | tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { printf "median %.1f fps (%.1f to %.1f)\n", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
measure "800x600 window (scale 1)" "$big"
measure "--scale 2 (1600x1200)" "$big" --scale 2
measure "--fullscreen on 1920x1080" "$wide" --fullscreen
measure "--fullscreen on 2048x1536" "$big" --fullscreen
