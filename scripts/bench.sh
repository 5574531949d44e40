#!/usr/bin/env bash
# Builds a Release and runs both benchmarks, each side beside its reference in alternating pairs:
# every operation beside its raw-Qt floor (offscreen, µs), and start-up time (ms) and peak memory
# (KiB) beside a minimal Qt program (Xvfb); where the Windows program is built (scripts/windows.sh),
# its start-up under Wine beside the minimal program and notepad. Ratios come with 95 % intervals.
#   scripts/bench.sh [PAIRS_OF_OPERATIONS [PAIRS_OF_STARTS [ROUNDS_UNDER_WINE]]]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh bench
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
echo "Operations, each including its painting (µs; the other side is the raw-Qt floor):"
QT_QPA_PLATFORM=offscreen build/release/bench/velsora_bench_operations "${1:-400}" 2>/dev/null | bench/ratios.py 1e-3 µs
echo
echo "Start-up (ms) and peak memory (KiB; the other side is a minimal Qt program of the same shape):"
bench/startup.sh "${2:-201}" build/release | bench/ratios.py
if [ -f build/windows/window/Velsora.exe ]; then
    echo
    echo "Under Wine: start-up (ms) and peak memory (KiB), beside notepad, the minimal program and 40 MB:"
    bench/wine_startup.sh "${3:-20}" build/windows build/release/bench/velsora_map_timer | bench/ratios.py
fi
