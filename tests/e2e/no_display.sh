#!/usr/bin/env bash
# Without any display the intro says so in one line and fails; it neither hangs nor crashes.
set -uo pipefail
err=$(mktemp)
runtime=$(mktemp -d)  # a user session has one; without it Wayland's probe complains on its own
trap 'rm -rf "$err" "$runtime"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" SDL_AUDIODRIVER=dummy \
    timeout 20 "$1" 2>"$err"
status=$?
if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
    echo "FAIL: exit status $status" >&2
    exit 1
fi
[ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL: expected one line on stderr, got:" >&2; cat "$err" >&2; exit 1; }
echo "no display: ok ($(cat "$err"))"
