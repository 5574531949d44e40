#!/usr/bin/env bash
# Takes a screenshot of the real program's window under Xvfb: tools/screenshot.sh BINARY OUT.png [xdotool steps...]
# Each extra argument is one xdotool command run after the window maps; WID stands for the window,
# e.g. "mousemove --window WID 420 120 click 1".
set -euo pipefail
binary=$1
out=$2
shift 2

for tool in Xvfb xdotool import xwininfo; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh needs $tool (xvfb, xdotool, imagemagick, x11-utils)" >&2; exit 1; }
done

. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb "${SCREEN_SIZE:-1024x768}"
app=""
wm=""
trap 'kill $app $wm "$XVFB_PID" 2>/dev/null || true' EXIT
# A window manager, as a player has, so that the window is activated and shows its focus.
if command -v openbox >/dev/null; then
    start_openbox
    wm=$WM_PID
fi

"$binary" 2>/dev/null &
app=$!
wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name 'Velsora' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended before its window mapped" >&2; exit 1; }
    sleep 0.1
done
[ -n "$wid" ] || { echo "the window did not map within 10 s" >&2; exit 1; }
sleep 0.5
for step in "$@"; do
    # shellcheck disable=SC2086 # each step is a list of xdotool words
    xdotool ${step//WID/$wid}
    sleep 0.15
done
sleep 0.3
import -window "$wid" "$out"
echo "wrote $out"
