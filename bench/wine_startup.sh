#!/usr/bin/env bash
# Start-up time under Wine (to the window mapped on Xvfb) and peak memory of Velsora.exe, beside the
# minimal program of the same shape built the same way and beside Wine's own notepad, one round of
# the three at a time, the order turning each round. Prints "what|goal|velsora|other" lines for
# bench/ratios.py:   bench/wine_startup.sh [ROUNDS] [WINDOWS_BUILD_DIR] [MAP_TIMER]
# Wine stands in for Windows here: it tells what the program file asks of the system at start
# (the DLLs it loads, what it creates), not how fast Windows itself serves that.
set -euo pipefail
rounds=${1:-20}
build=${2:-build/windows}
timer=${3:-build/release/bench/velsora_map_timer}
. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb 1024x768
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wineboot -i >/dev/null 2>&1
# "Times New Roman" as on Windows, by its metric twin.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
    /d 'Liberation Serif' /f >/dev/null 2>&1
# The server stays up between the runs, as Windows does.
wineserver -w
wineserver -p

sides=("$build/window/Velsora.exe" "$build/bench/velsora_minimal_window.exe" notepad)
run() { "$timer" --any "$(command -v wine)" "$1" 2>/dev/null; } # prints "MS KIB"
for side in "${sides[@]}"; do run "$side" >/dev/null; done # warm-ups
declare -A ms kib
for ((i = 0; i < rounds; i++)); do
    for ((k = 0; k < 3; k++)); do
        side=${sides[$(((i + k) % 3))]}
        read -r "ms[$side]" "kib[$side]" < <(run "$side")
    done
    game=${sides[0]} minimal=${sides[1]}
    echo "to map, vs notepad|1.5|${ms[$game]}|${ms[notepad]}"
    echo "to map, vs minimal|1.05|${ms[$game]}|${ms[$minimal]}"
    # Peak memory against the goal itself, 40 MB; the minimal program's is the floor.
    echo "memory, vs 40 MB|1.0|${kib[$game]}|40960"
    echo "memory, minimal vs 40 MB|1.0|${kib[$minimal]}|40960"
done
