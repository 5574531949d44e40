#!/usr/bin/env bash
# Starts the real program under Xvfb and checks that its window maps at 509 x 526 and cannot be resized.
set -euo pipefail
binary=$1
# The title is Cyrillic: the X tools print it only in a UTF-8 locale, and C.UTF-8 is always there.
export LC_ALL=C.UTF-8

. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb 1024x768
app=""
trap 'kill $app "$XVFB_PID" 2>/dev/null || true' EXIT

"$binary" 2>/dev/null &
app=$!
wid=""
for _ in $(seq 200); do
    wid=$(xwininfo -root -tree 2>/dev/null | awk '/\("velsora" "Velsora"\)/ && /509x526/ {print $1; exit}')
    [ -n "$wid" ] && break
    sleep 0.05
done
if [ -z "$wid" ]; then
    echo "FAIL: no 509x526 Velsora window mapped"
    xwininfo -root -tree || true
    exit 1
fi
title=$(xprop -id "$wid" _NET_WM_NAME)
echo "$title"
grep -q 'Velsora с нечетен брой"$' <<<"$title" || { echo "FAIL: title"; exit 1; }
xwininfo -id "$wid" | grep -q 'Map State: IsViewable' || { echo "FAIL: the window is not viewable"; exit 1; }

# Not resizable: the window manager is told the minimum and maximum size are both 509 x 526.
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
echo "$hints"
echo "$hints" | grep -q 'minimum size: 509 by 526' || { echo "FAIL: no minimum size"; exit 1; }
echo "$hints" | grep -q 'maximum size: 509 by 526' || { echo "FAIL: no maximum size"; exit 1; }

# Centred on the 1024 x 768 screen.
geometry=$(xwininfo -id "$wid")
x=$(echo "$geometry" | awk '/Absolute upper-left X/ {print $4}')
y=$(echo "$geometry" | awk '/Absolute upper-left Y/ {print $4}')
[ $((x - (1024 - 509) / 2)) -le 1 ] && [ $(((1024 - 509) / 2 - x)) -le 1 ] || { echo "FAIL: x = $x"; exit 1; }
[ $((y - (768 - 526) / 2)) -le 1 ] && [ $(((768 - 526) / 2 - y)) -le 1 ] || { echo "FAIL: y = $y"; exit 1; }

kill -0 "$app" || { echo "FAIL: the program ended"; exit 1; }
echo "1 passed, 0 failed"
