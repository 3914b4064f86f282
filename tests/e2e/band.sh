#!/usr/bin/env bash
# The real intro under X: the band opens in the middle, keys reach it, and closing the window
# through the window manager ends it cleanly.
# Usage: band.sh BINARY
source "$(dirname "$0")/lib.sh"
intro=$(realpath "$1")

e2e_start_display 320x240x24
cd "$E2E_WORK"
e2e_start_intro "$intro"

[ "$(xdotool getwindowname "$E2E_WINDOW")" = "velmora - www.velmora.org" ] || e2e_fail "wrong caption"

# Wait for the open band (tick 150, about 2.3 s of ticks); the elements then play on it, and
# rows 70-72 lie above all of them.
band_open() {
    e2e_screenshot band.png && [ "$(e2e_colours band.png 320x3+0+70)" = "65,80,148" ]
}
e2e_wait_for band_open || e2e_fail "rows 70-72 never showed the band colour: $(e2e_colours band.png 320x3+0+70)"
[ "$(identify -format '%wx%h' band.png)" = "320x240" ] || e2e_fail "window is $(identify -format '%wx%h' band.png)"
[ "$(e2e_colours band.png 320x70+0+0)" = "0,0,0" ] || e2e_fail "rows 0-69 are not black"
[ "$(e2e_colours band.png 320x70+0+170)" = "0,0,0" ] || e2e_fail "rows 170-239 are not black"

sleep 4  # well past tick 300 (150 ticks take 2.3 s): Space now turns the read-out on
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null || true
xdotool key --window "$E2E_WINDOW" space
sleep 0.5
e2e_screenshot fps.png
e2e_colours fps.png 40x8+0+0 | awk -F, '$1 > 250 && $2 > 250 && $3 > 250 { found = 1 } END { exit !found }' ||
    e2e_fail "no white read-out after Space"

wmctrl -i -c "$E2E_WINDOW"
e2e_wait_intro 10
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
[ ! -s "$E2E_WORK/intro.err" ] || e2e_fail "stderr: $(cat "$E2E_WORK/intro.err")"
echo "band end-to-end: ok"
