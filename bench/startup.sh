#!/usr/bin/env bash
# Start-up time (to the window mapped on Xvfb) and peak memory of Velsora beside a minimal Qt program
# of the same shape, run alternately, one pair at a time, the first of each pair alternating.
# Prints "what|goal|velsora|minimal" lines for bench/ratios.py: bench/startup.sh [PAIRS] [BUILD_DIR]
set -euo pipefail
runs=${1:-21}
build=${2:-build/release}
timer=$build/bench/velsora_map_timer
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb 1024x768
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT

# One warm-up each, so that both start from a warm disk cache.
"$timer" "$build/window/velsora" >/dev/null 2>&1
"$timer" "$build/bench/velsora_minimal_window" >/dev/null 2>&1
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        read -r game_ms game_kib < <("$timer" "$build/window/velsora" 2>/dev/null)
        read -r floor_ms floor_kib < <("$timer" "$build/bench/velsora_minimal_window" 2>/dev/null)
    else
        read -r floor_ms floor_kib < <("$timer" "$build/bench/velsora_minimal_window" 2>/dev/null)
        read -r game_ms game_kib < <("$timer" "$build/window/velsora" 2>/dev/null)
    fi
    echo "start-up to map|1.0|$game_ms|$floor_ms"
    echo "peak memory (VmHWM)|1.05|$game_kib|$floor_kib"
done
