#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager (openbox) and checks what a person sees:
# the window maps at 509 x 526, cannot be resized, sits centred frame and all, its buttons paint
# their faces in their own colours, and Enter presses the focused button.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
# The title is Cyrillic: the X tools print it only in a UTF-8 locale, and C.UTF-8 is always there.
export LC_ALL=C.UTF-8

. "$here/../scripts/xvfb.sh"
start_xvfb 1024x768
app=""
wm=""
trap 'kill $app $wm "$XVFB_PID" 2>/dev/null || true' EXIT
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$binary" 2>/dev/null &
app=$!
wid=""
for _ in $(seq 200); do
    wid=$(xwininfo -root -tree 2>/dev/null | awk '/\("velsora" "Velsora"\)/ && /509x526/ && !found {print $1; found = 1}')
    [ -n "$wid" ] && xwininfo -id "$wid" 2>/dev/null | grep -q 'Map State: IsViewable' && break
    sleep 0.05
done
if [ -z "$wid" ]; then
    echo "FAIL: no 509x526 Velsora window mapped"
    xwininfo -root -tree || true
    exit 1
fi
title=$(xprop -id "$wid" _NET_WM_NAME)
echo "$title"
grep -q 'Velsora с нечетен брой"$' <<<"$title" || fail "title"

# Not resizable: the window manager is told the minimum and maximum size are both 509 x 526.
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
echo "$hints" | grep -q 'minimum size: 509 by 526' || fail "no minimum size"
echo "$hints" | grep -q 'maximum size: 509 by 526' || fail "no maximum size"

# Centred as a whole: the frame's centre (client plus the frame extents) is the screen's.
centred() {
    local g x y ext l r t b
    g=$(xwininfo -id "$wid")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$g")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$g")
    ext=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    cx=$(((x - l) * 2 + l + 509 + r))
    cy=$(((y - t) * 2 + t + 526 + b))
    [ $((cx - 1024)) -le 4 ] && [ $((1024 - cx)) -le 4 ] && [ $((cy - 768)) -le 4 ] && [ $((768 - cy)) -le 4 ]
}
for _ in $(seq 40); do centred && break; sleep 0.05; done
centred || fail "frame centre off by ($(((cx - 1024) / 2)), $(((cy - 768) / 2))) px"
echo "frame extents: $(xprop -id "$wid" _NET_FRAME_EXTENTS)"

# Colours as a person sees them: pixels of a screenshot of the real window.
pixel() { # pixel X Y: the colour at client position X, Y as "R G B"
    xwd -silent -id "$wid" | python3 "$here/xwd_pixel.py" "$1" "$2"
}
expect_colour() { # expect_colour WHAT X Y "R G B"
    local seen
    seen=$(pixel "$2" "$3")
    [ "$seen" = "$4" ] || fail "$1 at ($2, $3) is $seen, not $4"
}
sleep 0.3
expect_colour "Start's face" 396 60 "128 128 255"
expect_colour "Clear's face" 396 188 "255 0 0"
expect_colour "the window" 250 380 "192 192 255"

# Enter on the focused Start button starts a 5 x 5 game: the first cell shows in blue.
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
xdotool key --window "$wid" Tab
xdotool key --window "$wid" Return
for _ in $(seq 40); do [ "$(pixel 66 54)" = "128 128 255" ] && break; sleep 0.05; done
expect_colour "a cell after Enter on Start" 66 54 "128 128 255"
expect_colour "the window left of the board" 50 54 "192 192 255"

kill -0 "$app" || fail "the program ended"
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ "$failures" -eq 0 ]
