#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager (openbox) and checks what a person sees:
# the window maps at 509 x 526, cannot be resized, sits centred frame and all, its buttons paint
# their faces in their own colours, Start builds the board, and a number placed by clicks shows in
# its cell and its row's sum.
#   real_window_xvfb.sh PROGRAM            the Linux program; Start is pressed with Enter
#   real_window_xvfb.sh --wine VELSORA.EXE the Windows program under Wine; Start is clicked
set -euo pipefail
wine=""
if [ "$1" = --wine ]; then
    wine=1
    shift
fi
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
# The title is Cyrillic: the X tools print it only in a UTF-8 locale, and C.UTF-8 is always there.
export LC_ALL=C.UTF-8

. "$here/../scripts/xvfb.sh"
start_xvfb 1024x768
app=""
wm=""
prefix=""
trap 'kill $app $wm "$XVFB_PID" 2>/dev/null || true; [ -z "$prefix" ] || { wineserver -k 2>/dev/null; rm -rf "$prefix"; }' EXIT
start_openbox
wm=$WM_PID

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [ -n "$wine" ]; then
    # A throw-away Wine prefix of the check's own, where "Times New Roman", which Wine lacks, is
    # drawn with its metric twin, as on Linux. Wine passes QT_* variables on only as WINEQT_*.
    # Those replacements serve GDI only: Qt 6.8 is asked for its GDI font engine (Qt 6.4's own).
    prefix=$(mktemp -d)
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    wine "$binary" -platform windows:fontengine=gdi >/dev/null 2>&1 &
else
    "$binary" 2>/dev/null &
fi
app=$!
wid=""
for _ in $(seq 400); do
    wid=$(xwininfo -root -tree 2>/dev/null |
        awk '/Velsora с нечетен брой/ && /509x526/ && !found {print $1; found = 1}')
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

# Centred as a whole: the frame's centre (client plus frame extents) is the screen's within 2 px.
# Under Wine 8 px down: Windows' frame is centred, openbox draws its own title bar (Wine 10: 6 px).
slack=4 slack_y=${wine:+16}
centred() {
    local g x y ext l r t b
    g=$(xwininfo -id "$wid")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$g")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$g")
    ext=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    cx=$(((x - l) * 2 + l + 509 + r))
    cy=$(((y - t) * 2 + t + 526 + b))
    [ $((cx - 1024)) -le $slack ] && [ $((1024 - cx)) -le $slack ] &&
        [ $((cy - 768)) -le ${slack_y:-4} ] && [ $((768 - cy)) -le ${slack_y:-4} ]
}
for _ in $(seq 40); do centred && break; sleep 0.05; done
centred || fail "frame centre off by ($(((cx - 1024) / 2)), $(((cy - 768) / 2))) px"
echo "frame extents: $(xprop -id "$wid" _NET_FRAME_EXTENTS); centre off by ($(((cx - 1024) / 2)), $(((cy - 768) / 2))) px"

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

click() { # click X Y: a left click at client position X, Y
    xdotool mousemove --window "$wid" "$1" "$2" click 1
}
# Start builds a 5 x 5 board: cells of 28 pixels from (64, 40), row sums at the left edge. Under
# Wine it is clicked; on Linux, Enter presses the focused Start button.
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
if [ -n "$wine" ]; then
    click 428 60
else
    xdotool key --window "$wid" Tab
    xdotool key --window "$wid" Return
fi
for _ in $(seq 100); do [ "$(pixel 66 54)" = "128 128 255" ] && break; sleep 0.05; done
expect_colour "the first cell after Start" 66 54 "128 128 255"
expect_colour "the last cell of a 5 x 5 board" 190 166 "128 128 255"
expect_colour "the window right of a 5 x 5 board" 218 54 "192 192 255"
expect_colour "the window left of the board" 50 54 "192 192 255"

# "1", chosen in the list and placed in row 1, column 1 by clicks, shows in that cell and makes
# row 1's sum differ from the other rows' zeros. Screenshot regions are compared: the centres of
# empty cells are alike, and so are the labels of rows whose sum is 0.
region() { # region X Y W H: a digest of that region of the window
    xwd -silent -id "$wid" | python3 "$here/xwd_pixel.py" "$1" "$2" "$3" "$4"
}
cell_centre() { region $((64 + 28 * $2 + 8)) $((40 + 28 * $1 + 8)) 12 12; } # cell_centre ROW COLUMN
row_sum() { region 10 $((42 + 28 * $1)) 24 24; }                          # row_sum ROW
empty=$(cell_centre 1 1)
zero=$(row_sum 1)
[ "$(cell_centre 2 2)" = "$empty" ] || fail "two empty cells look different"
[ "$(row_sum 0)" = "$zero" ] || fail "two rows whose sums are 0 look different"
click 428 90
click 78 54
for _ in $(seq 100); do [ "$(cell_centre 0 0)" != "$empty" ] && break; sleep 0.05; done
[ "$(cell_centre 0 0)" != "$empty" ] || fail "the number placed in row 1, column 1 does not show"
[ "$(row_sum 0)" != "$zero" ] || fail "row 1's sum did not change"
[ "$(row_sum 2)" = "$zero" ] || fail "row 3's sum changed"
[ "$(cell_centre 1 1)" = "$empty" ] || fail "row 2, column 2 is no longer empty"
if [ -n "${VELSORA_SCREENSHOT:-}" ]; then
    xwd -silent -id "$wid" >"$VELSORA_SCREENSHOT"
fi

kill -0 "$app" || fail "the program ended"
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ "$failures" -eq 0 ]
