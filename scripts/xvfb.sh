# Sourced by the scripts that need a private X server: start_xvfb [WIDTHxHEIGHT] starts Xvfb on a
# free display, exports DISPLAY and leaves its process id in XVFB_PID; start_openbox then starts
# the window manager on it, waits until it manages the screen, and leaves its process id in WM_PID.
# shellcheck shell=bash
start_xvfb() {
    local size=${1:-1024x768} number
    number=$(mktemp)
    # Xvfb picks a free display itself and writes its number once it takes clients. -noreset:
    # otherwise the server starts over when its last client leaves, and a client that connects in
    # that moment (the window manager after a check) is turned away.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 200); do
        if grep -qx '[0-9]\+' "$number"; then
            DISPLAY=":$(cat "$number")"
            export DISPLAY
            rm -f "$number"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$number"
    echo "could not start Xvfb" >&2
    return 1
}

start_openbox() {
    local log
    log=$(mktemp)
    openbox >"$log" 2>&1 &
    WM_PID=$!
    # Up to 30 s: on a loaded machine a first start takes its time.
    for _ in $(seq 600); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            rm -f "$log"
            return 0
        fi
        kill -0 "$WM_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "openbox did not start:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
}
