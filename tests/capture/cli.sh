#!/usr/bin/env bash
# velmora-capture as a user runs it: help and bad values, a short capture twice with identical
# files, a reader that goes away, Ctrl+C, and the MP4 where ffmpeg is installed. Nothing may be
# left in the temp directory.
set -euo pipefail
capture="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }
no_temp_files() { [ -z "$(ls -A "$TMPDIR")" ] || fail "temp files left after $1: $(ls -A "$TMPDIR")"; }

"$capture" --help | grep -q "^Usage: velmora-capture" || fail "--help"
set +e
message="$("$capture" --rate 90 --wav x.wav 2>&1)"; status=$?
set -e
[ "$status" -eq 2 ] || fail "a bad rate exits with $status, not 2"
grep -q -- "--rate: 90 is out of range (1 to 66)" <<<"$message" || fail "bad rate message: $message"

# 130 frames: the band's first 29 frames and 30 ticks of music.
for run in one two; do
  "$capture" --frames 130 --png-dir "$run/png" --wav "$run/tune.wav" --y4m "$run/video.y4m" --chroma 420 --quiet
done
diff -r one two >/dev/null || fail "two runs of the same capture differ"
[ "$(ls one/png | wc -l)" -eq 130 ] || fail "expected 130 PNG frames"
[ "$(stat -c %s one/tune.wav)" -eq $((44 + 30 * 735 * 4)) ] || fail "WAV size"
header="$(head -n 1 one/video.y4m)"
[ "$(stat -c %s one/video.y4m)" -eq $((${#header} + 1 + 130 * (6 + 320 * 240 * 3 / 2))) ] || fail "Y4M size"
no_temp_files "the short captures"

# A reader that stops early: a clear error, and the intro still cleans up.
set +e
"$capture" --y4m - --quiet 2>err.txt | head -c 1000 >/dev/null
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 1 ] || fail "a closed pipe exits with $status, not 1"
grep -q "cannot write the video stream to standard output" err.txt || fail "closed pipe message: $(cat err.txt)"
no_temp_files "a closed pipe"

# Ctrl+C: the files written so far are complete.
"$capture" --wav long.wav --y4m /dev/null --quiet 2>err.txt &
pid=$!
sleep 1
kill -INT "$pid"
set +e
wait "$pid"
status=$?
set -e
[ "$status" -eq 130 ] || fail "an interrupted capture exits with $status, not 130"
size="$(stat -c %s long.wav)"
declared="$(od -An -tu4 -j40 -N4 long.wav | tr -d ' ')"
[ "$declared" -eq $((size - 44)) ] || fail "interrupted WAV declares $declared data bytes, holds $((size - 44))"
no_temp_files "an interrupt"

if command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null; then
  "$capture" --frames 180 --mp4 short.mp4 --quiet
  duration="$(ffprobe -v error -show_entries format=duration -of csv=p=0 short.mp4)"
  [ "$duration" = "3.000000" ] || fail "MP4 of 180 frames at 60 fps lasts $duration s"
  no_temp_files "the MP4"
else
  echo "ffmpeg is not installed: MP4 not checked"
fi
echo "velmora-capture: all checks passed"
