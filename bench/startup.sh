#!/usr/bin/env bash
# Start-up time (to the window mapped on Xvfb) and peak memory of Velsora beside a minimal Qt program
# of the same shape, run alternately: bench/startup.sh [RUNS] [BUILD_DIR]
set -euo pipefail
runs=${1:-21}
build=${2:-build/release}
timer=$build/bench/velsora_map_timer
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb 1024x768
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT

declare -a game_ms game_kib floor_ms floor_kib
# One warm-up each, so that both start from a warm disk cache.
"$timer" "$build/window/velsora" >/dev/null 2>&1
"$timer" "$build/bench/velsora_minimal_window" >/dev/null 2>&1
for ((i = 0; i < runs; i++)); do
    read -r ms kib < <("$timer" "$build/window/velsora" 2>/dev/null)
    game_ms+=("$ms"); game_kib+=("$kib")
    read -r ms kib < <("$timer" "$build/bench/velsora_minimal_window" 2>/dev/null)
    floor_ms+=("$ms"); floor_kib+=("$kib")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
gm=$(median "${game_ms[@]}"); fm=$(median "${floor_ms[@]}")
gk=$(median "${game_kib[@]}"); fk=$(median "${floor_kib[@]}")
printf 'start-up to map   Velsora %8.1f ms   minimal %8.1f ms   ratio %.3f (goal 1.0)\n' "$gm" "$fm" "$(echo "$gm / $fm" | bc -l)"
printf 'peak memory       Velsora %8d KiB  minimal %8d KiB  ratio %.3f (goal 1.1)\n' "$gk" "$fk" "$(echo "$gk / $fk" | bc -l)"
