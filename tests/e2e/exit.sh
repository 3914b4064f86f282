#!/usr/bin/env bash
# The real intro under X shows its whole scene on the band, and Escape ends it by itself:
# every element leaves, the band shuts and the program exits with status 0.
# Usage: exit.sh BINARY [SHOTS_DIR]   (SHOTS_DIR keeps the screenshots)
source "$(dirname "$0")/lib.sh"
intro=$(realpath "$1")
shots=${2:-$E2E_WORK}

e2e_start_display 320x240x24
cd "$E2E_WORK"
e2e_start_intro "$intro"

# The number of colours other than black and the band in a region of a screenshot.
scene_colours() {
    e2e_colours "$1" "$2" | grep -v -x -e '0,0,0' -e '65,80,148' | wc -l
}

sleep 7  # about tick 450: logo and star at rest, title in place, scroller running
e2e_screenshot "$shots/scene.png"
[ "$(scene_colours "$shots/scene.png" 256x53+4+73)" -gt 0 ] || e2e_fail "no logo"
[ "$(scene_colours "$shots/scene.png" 30x30+270+86)" -gt 0 ] || e2e_fail "no star"
[ "$(scene_colours "$shots/scene.png" 312x19+8+128)" -gt 0 ] || e2e_fail "no title"
[ "$(scene_colours "$shots/scene.png" 320x20+0+151)" -gt 0 ] || e2e_fail "no scroller"

xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null || true
xdotool key --window "$E2E_WINDOW" Escape
start=$(date +%s%N)
sleep 1
e2e_screenshot "$shots/leaving.png" || true
e2e_wait_intro 15
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
[ ! -s "$E2E_WORK/intro.err" ] || e2e_fail "stderr: $(cat "$E2E_WORK/intro.err")"
echo "exit end-to-end: ok, ended ${elapsed_ms} ms after Escape (207 frames are 3.1 s at 15 ms)"
