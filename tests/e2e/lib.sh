# Shared helpers for the end-to-end tests: a private X server with a window manager, the
# intro started as a user would, screenshots, and cleanup of everything a test started.
# Usage: source this file; call e2e_start_display WIDTHxHEIGHTxDEPTH; e2e_start_intro BINARY.

set -euo pipefail

E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Tries a command (or function) about 100 times, 0.2 s apart, until it succeeds: a loaded
# machine starts X and the intro slowly.
e2e_wait_for() {
    local i
    for i in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
    return 1
}

# Starts Xvfb with the given screen (e.g. 640x480x24) on a display number it picks itself,
# and openbox on it (full screen needs a window manager); exports DISPLAY.
e2e_start_display() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$E2E_WORK/display" 2>"$E2E_WORK/xvfb.log" &
    E2E_PIDS+=($!)
    e2e_wait_for test -s "$E2E_WORK/display" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for timeout 2 wmctrl -m || e2e_fail "openbox did not start"
}

# Starts the intro in the background; sets E2E_INTRO_PID and E2E_WINDOW (its X window id).
e2e_start_intro() {
    SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$@" >"$E2E_WORK/intro.out" 2>"$E2E_WORK/intro.err" &
    E2E_INTRO_PID=$!
    E2E_PIDS+=("$E2E_INTRO_PID")
    local i
    E2E_WINDOW=""
    for i in $(seq 200); do
        E2E_WINDOW=$(xdotool search --onlyvisible --name '^velmora - ' 2>/dev/null | head -n 1 || true)
        [ -n "$E2E_WINDOW" ] && break
        sleep 0.1
    done
    [ -n "$E2E_WINDOW" ] || e2e_fail "the intro's window did not appear: $(cat "$E2E_WORK/intro.err")"
}

# Waits for the intro to end by itself; sets E2E_STATUS to its exit status.
e2e_wait_intro() {
    local seconds=$1
    timeout "$seconds" tail --pid="$E2E_INTRO_PID" -f /dev/null || e2e_fail "the intro did not end within ${seconds}s"
    E2E_STATUS=0
    wait "$E2E_INTRO_PID" || E2E_STATUS=$?
}

# Screenshot of the intro's window, 8 bits per channel (xwd misreads 16-bit screens).
e2e_screenshot() {
    timeout 20 import -window "$E2E_WINDOW" -depth 8 "$1"
}

# The distinct colours of a region WxH+X+Y of an image, one "r,g,b" per line.
e2e_colours() {
    convert "$1" -crop "$2" +repage -depth 8 -format '%c' histogram:info:- |
        sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/' | sort -u
}
