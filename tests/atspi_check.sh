#!/usr/bin/env bash
# Runs the real program under Xvfb with the accessibility bus and reads it as a screen reader would.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${VELSORA_IN_SESSION:-}" ]; then
    exec env VELSORA_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

display=:$((500 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$app" "$bus" "$xvfb" 2>/dev/null || true' EXIT
sleep 0.5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$binary" 2>/dev/null &
app=$!
/usr/bin/python3 "$here/atspi_tree.py"
