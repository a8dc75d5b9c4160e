# Helpers for the end-to-end tests: the real binaries on a private Xvfb,
# driven and read like a person would (window, screenshots, closing).
# Source it, then call e2e_begin <build dir> [screen] (or e2e_init, and
# e2e_start_xvfb later); e2e_open starts the program and finds its window,
# e2e_close closes it and checks the exit. Every helper fails the test
# (exit 1) with a message when something is not as expected; when called
# in $(...), add `|| exit 1`.

E2E_XVFB_PID=""
E2E_GAME_PID=""
E2E_TMP=""
E2E_WIN=""

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$E2E_TMP" ] && [ -s "$E2E_TMP/game.log" ]; then
        echo "--- program output ---" >&2
        tail -n 40 "$E2E_TMP/game.log" >&2
    fi
    exit 1
}

e2e_ok() {
    echo "ok: $*"
}

e2e_cleanup() {
    if [ -n "$E2E_GAME_PID" ] && kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        kill -TERM "$E2E_GAME_PID" 2>/dev/null
        sleep 0.5
        kill -KILL "$E2E_GAME_PID" 2>/dev/null
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill -TERM "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ] && rm -rf "$E2E_TMP"
}

# e2e_init BUILD_DIR: finds the binary, the run directory and the tools.
e2e_init() {
    E2E_BUILD=$(cd "${1:?usage: $0 <build dir>}" && pwd) || e2e_fail "no build directory '$1'"
    E2E_RUNDIR="$E2E_BUILD/run"
    E2E_BIN="$E2E_BUILD/plumfall"
    E2E_WMCLOSE="$E2E_BUILD/tools/wmclose/wmclose"
    E2E_CONVERT=/usr/bin/convert
    [ -x "$E2E_CONVERT" ] || E2E_CONVERT=convert
    for tool in Xvfb xdotool import "$E2E_CONVERT"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is missing (sh scripts/install-deps.sh)"
    done
    [ -x "$E2E_WMCLOSE" ] || e2e_fail "no $E2E_WMCLOSE: build the wmclose target"
    E2E_TMP=$(mktemp -d /tmp/plumfall-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM
}

# e2e_start_xvfb [WIDTHxHEIGHT]: a private X server with a 24-bit screen
# (1024x768 unless given); exports DISPLAY.
e2e_start_xvfb() {
    local fifo="$E2E_TMP/display"
    : >"$fifo"
    Xvfb -displayfd 5 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 5>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        grep -q '^[0-9]' "$fifo" 2>/dev/null && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb exited: $(tail -n 3 "$E2E_TMP/xvfb.log")"
        sleep 0.1
    done
    grep -q '^[0-9]' "$fifo" || e2e_fail "Xvfb did not start within 10 s"
    export DISPLAY=":$(head -n 1 "$fifo")"
    # The display must take clients before the program starts.
    for i in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    e2e_fail "display $DISPLAY does not answer"
}

# e2e_begin BUILD_DIR [WIDTHxHEIGHT]: e2e_init, then e2e_start_xvfb.
e2e_begin() {
    e2e_init "$1"
    e2e_start_xvfb "${2:-}"
}

# e2e_open [ARGS...]: e2e_start_game, then waits for the program's window
# ("Plumfall console" for the console program, else "Plumfall !!!"); its id
# goes in E2E_WIN.
e2e_open() {
    local title="Plumfall !!!"
    [ "$(basename "$E2E_BIN")" = plumfall-console ] && title="Plumfall console"
    e2e_start_game "$@"
    E2E_WIN=$(e2e_find_window "$title") || exit 1
}

# e2e_close: e2e_close_and_check on the window e2e_open found.
e2e_close() {
    e2e_close_and_check "$E2E_WIN"
}

# e2e_start_game [ARGS...]: the program in its run directory, output in game.log.
# Its settings file is the test's own: $E2E_TMP/config/plumfall/settings; its
# replays go to $E2E_TMP/state/plumfall/replays.
e2e_start_game() {
    [ -x "$E2E_BIN" ] || e2e_fail "no program $E2E_BIN"
    [ -d "$E2E_RUNDIR" ] || e2e_fail "no run directory $E2E_RUNDIR"
    (cd "$E2E_RUNDIR" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" XDG_CONFIG_HOME="$E2E_TMP/config" \
        XDG_STATE_HOME="$E2E_TMP/state" \
        "$E2E_BIN" "$@") \
        >"$E2E_TMP/game.log" 2>&1 &
    E2E_GAME_PID=$!
}

# e2e_wait_log TEXT SECONDS: waits for a line of the program's output holding TEXT (fixed text).
e2e_wait_log() {
    local steps i
    steps=$(awk "BEGIN { print int($2 * 10) }")
    for i in $(seq "$steps"); do
        grep -aqF -- "$1" "$E2E_TMP/game.log" && return 0
        kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the program exited while waiting for '$1'"
        sleep 0.1
    done
    e2e_fail "no '$1' in the program's output within $2 s"
}

# e2e_find_window NAME [SECONDS]: prints the id of the window with exactly that name.
e2e_find_window() {
    local name="$1" seconds="${2:-15}" id
    id=$(timeout "$seconds" xdotool search --sync --name "^${name}\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || e2e_fail "no window named '$name' within $seconds s"
    echo "$id"
}

# e2e_window_size ID: prints "WIDTHxHEIGHT".
e2e_window_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "${WIDTH}x${HEIGHT}"
}

# e2e_window_name ID: prints the window's title.
e2e_window_name() {
    xdotool getwindowname "$1"
}

# e2e_screenshot ID FILE: the window's contents as a PNG.
e2e_screenshot() {
    import -window "$1" "png:$2" 2>"$E2E_TMP/import.log" || e2e_fail "screenshot failed: $(cat "$E2E_TMP/import.log")"
}

# e2e_pixel FILE X Y: prints "R G B" (0-255) of one pixel.
e2e_pixel() {
    "$E2E_CONVERT" "$1" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# e2e_brightest FILE: prints the largest channel value (0-255) of the picture.
e2e_brightest() {
    "$E2E_CONVERT" "$1" -depth 8 -format '%[fx:int(255*maxima+0.5)]' info:
}

# e2e_colours FILE: prints the number of distinct colours of the picture.
e2e_colours() {
    "$E2E_CONVERT" "$1" -format '%k' info:
}

# e2e_close_window ID: WM_DELETE_WINDOW, as a window manager sends it.
e2e_close_window() {
    "$E2E_WMCLOSE" "$1" || e2e_fail "could not ask window $1 to close"
}

# e2e_wait_exit SECONDS: waits for the program and sets E2E_EXIT_CODE, or
# fails on time-out. Not in $(...): only this shell can wait for its child.
e2e_wait_exit() {
    local seconds="$1" steps i
    steps=$(awk "BEGIN { print int($seconds * 20) }")
    for i in $(seq "$steps"); do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$E2E_GAME_PID" 2>/dev/null && e2e_fail "the program still runs $seconds s after being asked to close"
    wait "$E2E_GAME_PID"
    E2E_EXIT_CODE=$?
    E2E_GAME_PID=""
}

# e2e_close_and_check WINDOW: closes it as a window manager would; the program
# must end within 3 s with exit code 0.
e2e_close_and_check() {
    e2e_close_window "$1"
    e2e_wait_exit 3
    [ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE after WM_DELETE_WINDOW, not 0"
}
