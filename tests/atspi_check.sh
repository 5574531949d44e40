#!/usr/bin/env bash
# Runs the real program with the accessibility bus and reads it as a screen reader would:
# tests/atspi_check.sh BINARY x11|wayland APP_ID. x11 runs it under Xvfb with GTK's platform theme,
# which brings GTK's own accessibility bridge into the program (the program keeps it off); wayland
# runs it natively on a headless Weston and also checks that it asks the compositor for the fixed size
# of its design under its application id.
set -euo pipefail
binary=$1
display=$2
app_id=$3
# The window's caption, and its size at 96 dpi: the design's client area in twips, 15 to a pixel.
places="$(dirname "$binary")/../velsora-design.txt"
IFS=, read -r width height < <(awk '$1 == "kClient" {print $2}' "$places")
width=$((width / 15)) height=$((height / 15))
VELSORA_CAPTION=$(sed -n 's/^kCaption //p' "$places")
export VELSORA_CAPTION
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${VELSORA_IN_SESSION:-}" ]; then
    exec env VELSORA_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

app=""
server=""
runtime=""
trap 'kill $app $server ${bus:-} 2>/dev/null || true; [ -z "$runtime" ] || rm -rf "$runtime"' EXIT
if [ "$display" = wayland ]; then
    runtime=$(mktemp -d) # Wayland wants a private runtime folder
    export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=velsora-check QT_QPA_PLATFORM=wayland
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 \
        >"$runtime/weston.log" 2>&1 &
    server=$!
    for _ in $(seq 100); do [ -S "$runtime/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
    [ -S "$runtime/$WAYLAND_DISPLAY" ] || { cat "$runtime/weston.log"; echo "FAIL: weston did not start"; exit 1; }
else
    . "$here/../scripts/xvfb.sh"
    start_xvfb 1024x768
    server=$XVFB_PID
    export QT_QPA_PLATFORMTHEME=gtk3
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 0.5
log=$(mktemp)
WAYLAND_DEBUG=$([ "$display" = wayland ] && echo 1 || echo 0) QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    "$binary" 2>"$log" &
app=$!
status=0
/usr/bin/python3 "$here/atspi_tree.py" || status=1
if [ "$display" = wayland ]; then
    # Fixed size: the same minimum and maximum, as the X window manager is told.
    for size in min max; do
        grep -Eq "xdg_toplevel[@#][0-9]+\.set_${size}_size\($width, $height\)" "$log" \
            || { echo "FAIL: no ${size}imum size of $width x $height sent to the compositor"; status=1
                 grep -E "set_(min|max)_size" "$log" | head -n 4; }
    done
    grep -q 'xdg_toplevel.*configure' "$log" || { echo "FAIL: the compositor never configured the window"; status=1; }
    grep -q "xdg_toplevel[@#][0-9]*\.set_app_id(\"$app_id\")" "$log" \
        || { echo "FAIL: the compositor is not told the application id $app_id"; status=1; grep set_app_id "$log"; }
fi
rm -f "$log"
exit $status
