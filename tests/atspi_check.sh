#!/usr/bin/env bash
# Runs the real program under Xvfb with the accessibility bus and reads it as a screen reader would.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${VELSORA_IN_SESSION:-}" ]; then
    exec env VELSORA_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

. "$here/../scripts/xvfb.sh"
start_xvfb 1024x768
app=""
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $app "$bus" "$XVFB_PID" 2>/dev/null || true' EXIT
sleep 0.5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$binary" 2>/dev/null &
app=$!
/usr/bin/python3 "$here/atspi_tree.py"
