#!/usr/bin/env bash
# The real intro plays its tune from tick 100 to SDL's disk output, and leaves nothing in the temp
# directory when it ends: by Escape and the window's close, by SIGTERM, and by SIGINT.
# Usage: music.sh BINARY
source "$(dirname "$0")/lib.sh"
intro=$(realpath "$1")

e2e_start_display 320x240x24
cd "$E2E_WORK"
export SDL_AUDIODRIVER=disk

# Largest absolute sample of raw 16-bit PCM.
peak() {
    od -An -v -td2 -w2 "$1" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}

# Starts a run with its own temp directory and audio file; sets RUN_TMP and RUN_AUDIO.
start_run() {
    RUN_TMP="$E2E_WORK/tmp-$1"
    RUN_AUDIO="$E2E_WORK/audio-$1.raw"
    mkdir "$RUN_TMP"
    # A background job of a script starts with SIGINT ignored; a user's Ctrl+C reaches a
    # foreground program with it at its default, so the run starts that way.
    TMPDIR="$RUN_TMP" SDL_DISKAUDIOFILE="$RUN_AUDIO" e2e_start_intro env --default-signal=INT "$intro"
}

# After the run has ended: a clean exit and an empty temp directory.
check_ended_clean() {
    e2e_wait_intro 15
    [ "$E2E_STATUS" = 0 ] || e2e_fail "$1: exit status $E2E_STATUS"
    [ -z "$(ls -A "$RUN_TMP")" ] || e2e_fail "$1: left behind: $(find "$RUN_TMP")"
    # SDL's disk output announces itself; anything else on stderr is an error report.
    local errors
    errors=$(grep -v -e 'SDL disk i/o audio driver' -e 'Writing to file' "$E2E_WORK/intro.err" || true)
    [ -z "$errors" ] || e2e_fail "$1: stderr: $errors"
}

# 1. Escape, then the window's close (the exit sequence ends the intro by itself once the band
#    can shut; until then the window manager closes it).
start_run escape
sleep 3  # tick 100 is about 1.5 s in
private=$(find "$RUN_TMP" -mindepth 1 -maxdepth 1)
[ "$(echo "$private" | wc -l)" = 1 ] && [ -d "$private" ] || e2e_fail "no single private directory: $private"
[ "$(stat -c %a "$private")" = 700 ] || e2e_fail "private directory has mode $(stat -c %a "$private")"
[ "$(cd "$private" && ls)" = "$(printf 'BassMod.dll\nModule.mod')" ] || e2e_fail "temp files: $(ls "$private")"
[ -s "$RUN_AUDIO" ] || e2e_fail "no audio written"
level=$(peak "$RUN_AUDIO")
[ "$level" -gt 1000 ] || e2e_fail "the audio is silent (peak $level)"
sleep 2.5  # past tick 300
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null || true
xdotool key --window "$E2E_WINDOW" Escape
timeout 6 tail --pid="$E2E_INTRO_PID" -f /dev/null || wmctrl -i -c "$E2E_WINDOW" || true
check_ended_clean Escape

# 2. and 3. Signals, while the music plays.
for signal in TERM INT; do
    start_run "$signal"
    sleep 3
    [ -n "$(ls -A "$RUN_TMP")" ] || e2e_fail "SIG$signal: nothing written before the signal"
    kill -"$signal" "$E2E_INTRO_PID"
    check_ended_clean "SIG$signal"
done
echo "music end-to-end: ok (peak $level)"
