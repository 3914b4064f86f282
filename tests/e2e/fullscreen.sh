#!/usr/bin/env bash
# The intro full screen on a real X server with a window manager: the band at its place and
# colour once the show runs, the frame as high (or wide) as the screen with its 4:3 shape kept,
# black bars around it, no pointer, and a clean exit when the window is closed or a signal
# asks it to end.
#
# usage: fullscreen.sh VELMORA CURSOR_PROBE WIDTH HEIGHT DEPTH close|sigterm
source "$(dirname "$0")/lib.sh"

velmora=$1 probe=$2 width=$3 height=$4 depth=$5 ending=$6
work=$E2E_WORK
fail() {
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/velmora-fullscreen-${width}x${height}x${depth}.png" &&
        echo "screenshot kept in ${TMPDIR:-/tmp}" >&2
    e2e_fail "$@"
}

e2e_start_display "${width}x${height}x${depth}"

timeout 5 xdotool mousemove $((width / 2)) $((height / 2))
[ "$(timeout 5 "$probe")" -gt 0 ] || fail "the probe sees no pointer even on the bare desktop"

e2e_start_intro timeout 60 "$velmora"
intro=$E2E_INTRO_PID

# Where the 320x240 frame lands and where its band (frame rows 70 to 169) must be.
if ((width * 3 >= height * 4)); then
    frameH=$height frameW=$((height * 4 / 3))
else
    frameW=$width frameH=$((width * 3 / 4))
fi
x0=$(((width - frameW) / 2)) y0=$(((height - frameH) / 2))
bandTop=$((y0 + 70 * frameH / 240)) bandEnd=$((y0 + 170 * frameH / 240))  # end excluded
# A whole-factor frame has sharp edges; after a smooth last step allow two blended rows.
margin=0
((frameH % 240 == 0)) || margin=2

# Share of band-coloured pixels (RGB565 0x4292 reads back as about 65,80,148) in a region.
band_share() {  # w h x y
    convert "$work/shot.png" -crop "$1x$2+$3+$4" +repage -fuzz 3% \
        -fill black +opaque "rgb(65,80,148)" -fill white -opaque "rgb(65,80,148)" \
        -format "%[fx:mean]" info:
}
# Brightest channel value in a region: 0 when all black.
brightest() {  # w h x y
    convert "$work/shot.png" -crop "$1x$2+$3+$4" +repage -format "%[fx:int(255*maxima)]" info:
}
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

band_open() {
    at_least "$(band_share "$frameW" 1 "$x0" $((bandTop + margin)))" 0.25 &&
        at_least "$(band_share "$frameW" 1 "$x0" $((bandEnd - 1 - margin)))" 0.25
}

# The band is fully open from tick 150 (about 2.5 s) until the exit; poll for it.
opened=0
for _ in $(seq 20); do
    sleep 1
    kill -0 "$intro" 2>/dev/null || fail "the intro ended early: $(cat "$work/intro.err")"
    timeout 10 import -window root -depth 8 "$work/shot.png" || continue
    if band_open; then opened=1; break; fi
done
((opened)) || fail "no open band at rows $bandTop..$((bandEnd - 1))"

# Nothing of the band just outside it.
[ "$(band_share "$frameW" 1 "$x0" $((bandTop - 1 - margin)))" = 0 ] || fail "band colour above row $bandTop"
[ "$(band_share "$frameW" 1 "$x0" $((bandEnd + margin)))" = 0 ] || fail "band colour below row $((bandEnd - 1))"
# The band reaches both edges of the frame: the frame is as wide as 4:3 allows.
at_least "$(band_share 1 $((bandEnd - bandTop - 2 * margin)) $((x0 + margin)) $((bandTop + margin)))" 0.25 ||
    fail "band missing at the frame's left edge x=$x0"
at_least "$(band_share 1 $((bandEnd - bandTop - 2 * margin)) $((x0 + frameW - 1 - margin)) $((bandTop + margin)))" 0.25 ||
    fail "band missing at the frame's right edge x=$((x0 + frameW - 1))"
# Black bars where the screen's shape differs from the frame's.
((x0 == 0)) || { [ "$(brightest "$x0" "$height" 0 0)" = 0 ] && [ "$(brightest "$x0" "$height" $((x0 + frameW)) 0)" = 0 ]; } ||
    fail "side bars are not black"
((y0 == 0)) || { [ "$(brightest "$width" "$y0" 0 0)" = 0 ] && [ "$(brightest "$width" "$y0" 0 $((y0 + frameH)))" = 0 ]; } ||
    fail "top and bottom bars are not black"

timeout 5 xdotool mousemove $((width / 2 + 7)) $((height / 2 + 5))
[ "$(timeout 5 "$probe")" = 0 ] || fail "the pointer shows over the full-screen intro"

case $ending in
close) timeout 5 wmctrl -c velmora || fail "no window to close" ;;
sigterm) kill -TERM "$intro" ;;
*) fail "unknown ending $ending" ;;
esac
e2e_wait_intro 20
[ "$E2E_STATUS" = 0 ] || fail "exit status $E2E_STATUS after $ending: $(cat "$work/intro.err")"
[ -z "$(timeout 5 wmctrl -l | grep -i velmora || true)" ] || fail "a velmora window is left"
[ "$(timeout 5 "$probe")" -gt 0 ] || fail "the pointer did not come back"
echo "ok: ${width}x${height}x${depth}, band rows $bandTop..$((bandEnd - 1)), frame ${frameW}x${frameH} at ($x0,$y0)"
