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

time_one() { # time_one PROGRAM: "MS KIB"; a failed timing stops the benchmark, saying so
    local out
    if ! out=$("$timer" "$1" 2>/dev/null) || ! [[ $out =~ ^[0-9.]+\ [0-9]+$ ]]; then
        echo "timing $1 failed: '$out'" >&2
        exit 1
    fi
    echo "$out"
}
game=$build/window/velsora
floor=$build/bench/velsora_minimal_window
# One warm-up each, so that both start from a warm disk cache.
time_one "$game" >/dev/null
time_one "$floor" >/dev/null
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        game_run=$(time_one "$game")
        floor_run=$(time_one "$floor")
    else
        floor_run=$(time_one "$floor")
        game_run=$(time_one "$game")
    fi
    read -r game_ms game_kib <<<"$game_run"
    read -r floor_ms floor_kib <<<"$floor_run"
    echo "start-up to map|1.0|$game_ms|$floor_ms"
    echo "peak memory (max RSS)|1.05|$game_kib|$floor_kib"
done
