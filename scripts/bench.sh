#!/usr/bin/env bash
# Builds a Release and runs both benchmarks: every operation beside its raw-Qt floor (offscreen),
# and start-up time and peak memory beside a minimal Qt program (Xvfb). scripts/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset release >/dev/null
cmake --build --preset release
echo
QT_QPA_PLATFORM=offscreen build/release/bench/velsora_bench_operations 300 2>/dev/null
echo
bench/startup.sh "${1:-21}" build/release
