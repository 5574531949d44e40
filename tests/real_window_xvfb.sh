#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager (openbox), once for each desktop setting
# of a table (colour schemes, font DPI, scale), and checks what a person sees: the window maps at
# its size, cannot be resized and sits centred frame and all; whatever the desktop's colours, it
# keeps the design's light look (its own faces, dark text at 4.5 : 1 or more, a raised 3-D edge,
# Start's caption whole); Start builds the board; a number placed by clicks shows in its cell and
# its row's sum; and the chosen number stays marked, focus or not.
#   real_window_xvfb.sh PROGRAM PLACES            the Linux program on the Linux settings; Start by Enter
#   real_window_xvfb.sh --wine VELSORA.EXE PLACES the Windows program under Wine; Start is clicked
# PLACES is the build's velsora-design.txt: the design's places in twips, read from the window's table.
# VELSORA_SCREENSHOTS=FOLDER keeps a screenshot (xwd) of every setting after the checks;
# VELSORA_SETTINGS="NAME..." plays only the settings named.
set -Eeuo pipefail
wine=""
if [ "$1" = --wine ]; then
    wine=1
    shift
fi
binary=$1
places=$2
here=$(cd "$(dirname "$0")" && pwd)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$here"/../resources/linux/*.desktop)
place() { sed -n "s/^$1 //p" "$places"; } # place kStart: LEFT,TOP,WIDTH,HEIGHT; place kCaption: the caption
# The title is Cyrillic: the X tools print it only in a UTF-8 locale, and C.UTF-8 is always there.
export LC_ALL=C.UTF-8
. "$here/../scripts/xvfb.sh"
. "$here/report.sh"

screen_width=1600
screen_height=1200
start_xvfb ${screen_width}x${screen_height}
app=""
work=$(mktemp -d)
trap 'echo "FAIL: the check itself stopped at line $LINENO: $BASH_COMMAND"' ERR
trap 'kill $app ${WM_PID:-} "$XVFB_PID" 2>/dev/null || true; [ -z "$wine" ] || wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
start_openbox

# The settings: a name, the logical DPI and the scale factor the program should meet, and how the
# setting is made: environment variables on Linux; under Wine the registry's LogPixels and
# AppsUseLightTheme, and Qt's darkmode option of the Windows platform.
if [ -n "$wine" ]; then
    settings=(
        "96-dpi 96 1 LogPixels=96"
        "120-dpi 96 1.25 LogPixels=120"
        "144-dpi 96 1.5 LogPixels=144"
        "192-dpi 96 2 LogPixels=192"
        "dark-mode 96 1 LogPixels=96 AppsUseLightTheme=0 darkmode=2"
    )
    # A throw-away Wine prefix of the check's own, where "Times New Roman", which Wine lacks, is
    # drawn with its metric twin, as on Linux. Those replacements serve GDI only: Qt 6.8 is asked
    # for its GDI font engine (Qt 6.4's own).
    export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
        /d 'Liberation Serif' /f >/dev/null 2>&1
else
    mkdir -p "$work/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n' \
        >"$work/qt6ct/qt6ct.conf"
    settings=(
        "default 96 1 VELSORA_DESKTOP=default"
        "gtk-adwaita-dark 96 1 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
        "qt6ct-darker 96 1 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$work"
        "font-dpi-192 192 1 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=192"
        "scale-1.5 96 1.5 QT_SCALE_FACTOR=1.5"
    )
fi

start_program() { # start_program SETTING...: in the background, its process id in $app
    if [ -z "$wine" ]; then
        env "$@" "$binary" 2>/dev/null &
        app=$!
        return
    fi
    local platform=windows:fontengine=gdi word
    for word in "$@"; do
        case $word in
        LogPixels=*)
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${word#*=}" /f >/dev/null 2>&1 ;;
        AppsUseLightTheme=*)
            wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
                /v AppsUseLightTheme /t REG_DWORD /d "${word#*=}" /f >/dev/null 2>&1 ;;
        darkmode=*) platform+=",$word" ;;
        esac
    done
    # Wine 10 reads the DPI once a session: the session that wrote it ends before the program starts.
    wineserver -w 2>/dev/null || true
    wine "$binary" -platform "$platform" >/dev/null 2>&1 &
    app=$!
}

stop_program() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
    # Wine's own processes of the program go with it, and the next setting starts afresh.
    [ -z "$wine" ] || wineserver -w 2>/dev/null || true
}

play() { # play NAME DPI SCALE SETTING...: the program on one desktop setting, and its checks
    local name=$1 dpi=$2 scale=$3 wid=""
    shift 3
    echo "== $name"
    device() { python3 "$here/screen_read.py" - "$dpi" "$scale" pixels "$1"; } # twips to device pixels
    local width height
    width=$(device "$(place kClient | cut -d, -f1)")
    height=$(device "$(place kClient | cut -d, -f2)")
    start_program "$@"
    for _ in $(seq 400); do
        # The tree walk fails when a window goes while it is read (Wine makes and drops helper
        # windows as the program starts): that is a try that found nothing.
        wid=$({ xwininfo -root -tree 2>/dev/null || true; } |
            awk -v size="${width}x$height" -v caption="$(place kCaption)" \
                'index($0, caption) && index($0, size) && !found {print $1; found = 1}')
        [ -n "$wid" ] && xwininfo -id "$wid" 2>/dev/null | grep -q 'Map State: IsViewable' && break
        sleep 0.05
    done
    if [ -z "$wid" ]; then
        fail "$name: no ${width}x$height Velsora window mapped"
        xwininfo -root -tree | grep -i velsora || true
        stop_program
        return
    fi
    local title hints
    title=$(xprop -id "$wid" _NET_WM_NAME)
    check "$name: title" grep -qF "= \"$(place kCaption)\"" <<<"$title"
    # The desktop finds the window's menu entry and icon by its class.
    [ -n "$wine" ] || check "$name: WM_CLASS names the menu entry's StartupWMClass" grep -q "\"$startup_class\"" \
        <<<"$(xprop -id "$wid" WM_CLASS)"
    # Not resizable: the window manager is told the minimum and maximum size are both the size.
    hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
    check "$name: fixed size ${width} x $height" grep -Pzq "minimum size: $width by $height\n.*maximum size: $width by $height" <<<"$hints"

    # Centred as a whole: the frame's centre (client plus frame extents) is the screen's within
    # 2 px. Under Wine it may stand 12 px down at scale 1, twice that at scale 2: the program centres
    # Windows' frame, whose title bar grows with the scale, and openbox draws one of its own (Wine
    # 10's frame puts it 6, 13 and 19 px down at 1, 1.5 and 2).
    local slack=4 slack_y=4 cx=0 cy=0
    [ -z "$wine" ] || slack_y=$(awk -v s="$scale" 'BEGIN { print int(24 * s) }')
    centred() {
        local g x y ext l r t b
        g=$(xwininfo -id "$wid")
        x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$g")
        y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$g")
        ext=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
        IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
        cx=$(((x - l) * 2 + l + width + r - screen_width))
        cy=$(((y - t) * 2 + t + height + b - screen_height))
        [ ${cx#-} -le $slack ] && [ ${cy#-} -le $slack_y ]
    }
    for _ in $(seq 40); do centred && break; sleep 0.05; done
    if centred; then ok "$name: centred"; else fail "$name: frame centre off by ($((cx / 2)), $((cy / 2))) px"; fi

    # What a person sees: readings of a screenshot, by the controls' places in twips.
    look() { # look QUERY...: the readings of a fresh screenshot, one a line, in the array $seen
        xwd -silent -id "$wid" >"$work/window.xwd"
        mapfile -t seen < <(python3 "$here/screen_read.py" "$work/window.xwd" "$dpi" "$scale" "$@")
    }
    click() { xdotool mousemove --window "$wid" "$(device "$1")" "$(device "$2")" click 1; } # click X Y, in twips
    local start clear title_label
    start=$(place kStart) clear=$(place kClear) title_label=$(place kTitle)
    local list_row0=6045,1245,540,210 list_row2=6045,1785,540,210
    cell() { echo "$((960 + 420 * $2)),$((600 + 420 * $1)),420,420,${3:-0}"; } # cell ROW COLUMN [INSET]
    row_sum() { echo "120,$((600 + 420 * $1)),420,420,${2:-0}"; }              # row_sum ROW [INSET]

    sleep 0.3
    look face "$start,3" face "$clear,3" face 3000,4800,1500,900 face 150,6150,6600,1000 \
        contrast "$title_label,1" contrast "$start,3" contrast "$clear,3" raised "$start" whole "$start,2"
    expect "$name: Start's face" "${seen[0]}" "128 128 255"
    expect "$name: Clear's face" "${seen[1]}" "255 0 0"
    expect "$name: the window" "${seen[2]}" "192 192 255"
    expect "$name: the help text's background" "${seen[3]}" "255 255 255"
    at_least "$name: the title's contrast" "${seen[4]}" 4.5
    at_least "$name: Start's contrast" "${seen[5]}" 4.5
    at_least "$name: Clear's contrast" "${seen[6]}" 4.5
    expect "$name: Start's 3-D edge" "${seen[7]}" raised
    expect "$name: Start's caption" "${seen[8]}" whole

    # Start builds a 5 x 5 board. Under Wine it is clicked; on Linux, Enter presses the focused
    # Start button.
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
    if [ -n "$wine" ]; then
        click 6420 900
    else
        xdotool key --window "$wid" Tab
        xdotool key --window "$wid" Return
    fi
    for _ in $(seq 100); do look face "$(cell 0 0 4)"; [ "${seen[0]}" = "128 128 255" ] && break; sleep 0.05; done
    look face "$(cell 0 0 4)" face "$(cell 4 4 4)" face "$(cell 0 5 4)" face 600,660,300,300 face "$(row_sum 0 3)"
    expect "$name: the first cell after Start" "${seen[0]}" "128 128 255"
    expect "$name: the last cell of a 5 x 5 board" "${seen[1]}" "128 128 255"
    expect "$name: the window right of the board" "${seen[2]}" "192 192 255"
    expect "$name: the window left of the board" "${seen[3]}" "192 192 255"
    expect "$name: a sum's face" "${seen[4]}" "239 239 239"

    # "1", chosen in the list and placed in row 1, column 1 by clicks, shows in that cell and makes
    # row 1's sum differ from the other rows' zeros: the centres of empty cells are alike, and so
    # are the labels of rows whose sum is 0.
    local empty zero
    look digest "$(cell 1 1 8)" digest "$(row_sum 1 2)" digest "$(cell 2 2 8)" digest "$(row_sum 0 2)"
    empty=${seen[0]}
    zero=${seen[1]}
    expect "$name: two empty cells look alike" "${seen[2]}" "$empty"
    expect "$name: two rows whose sums are 0 look alike" "${seen[3]}" "$zero"
    click 6420 1350
    click 1170 810
    for _ in $(seq 100); do look digest "$(cell 0 0 8)"; [ "${seen[0]}" != "$empty" ] && break; sleep 0.05; done
    look digest "$(cell 0 0 8)" digest "$(row_sum 0 2)" digest "$(row_sum 2 2)" digest "$(cell 1 1 8)" \
        contrast "$(cell 0 0 3)" contrast "$(row_sum 0 2)"
    [ "${seen[0]}" != "$empty" ] && ok "$name: the number placed shows" || fail "$name: the number placed in row 1, column 1 does not show"
    [ "${seen[1]}" != "$zero" ] && ok "$name: row 1's sum changed" || fail "$name: row 1's sum did not change"
    expect "$name: row 3's sum" "${seen[2]}" "$zero"
    expect "$name: row 2, column 2" "${seen[3]}" "$empty"
    at_least "$name: the placed number's contrast" "${seen[4]}" 4.5
    at_least "$name: the sum's contrast" "${seen[5]}" 4.5

    # The chosen number ("2", now first in the list), with the focus in the list and after Tab
    # has taken it to the help text: readable, on a band plainly apart from the other rows.
    click 6420 1350
    for focus in "in the list" "elsewhere"; do
        [ "$focus" = elsewhere ] && xdotool key --window "$wid" Tab && sleep 0.2
        sleep 0.2
        look contrast "$list_row0" between "$list_row0" "$list_row2"
        at_least "$name: the chosen number's contrast, focus $focus" "${seen[0]}" 4.5
        at_least "$name: the chosen number's band against the other rows, focus $focus" "${seen[1]}" 3
    done
    [ -z "${VELSORA_SCREENSHOTS:-}" ] || cp "$work/window.xwd" "$VELSORA_SCREENSHOTS/$name.xwd"
    if kill -0 "$app" 2>/dev/null; then ok "$name: the program runs on"; else fail "$name: the program ended"; fi
    stop_program
}

for setting in "${settings[@]}"; do
    [[ -z "${VELSORA_SETTINGS:-}" || " $VELSORA_SETTINGS " == *" ${setting%% *} "* ]] || continue
    # shellcheck disable=SC2086 # a setting is a list of words
    play $setting
done
report
