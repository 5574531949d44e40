#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb: the start-up window, and a
# 5 x 5 magic square filled in by mouse and keyboard. Usage: tools/readme-screenshots.sh [BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/release/window/velsora}

tools/screenshot.sh "$binary" docs/start.png

# The example square of side 5, in cell order (column by column).
n=5
mapfile -t square < <("$(dirname "$binary")/../tools/velsora_make_resources" --square $n)

# For each cell: click the list, Home selects the first number, Down walks to the wanted one
# (the pool stays ascending), then click the cell.
mapfile -t pool < <(seq 1 $((n * n)))
steps=("mousemove --window WID 428 60 click 1") # Start, with "5" chosen at load
for ((k = 0; k < n * n; k++)); do
    want=${square[k]}
    for i in "${!pool[@]}"; do [ "${pool[i]}" = "$want" ] && p=$i && break; done
    pool=("${pool[@]:0:p}" "${pool[@]:p+1}")
    steps+=("mousemove --window WID 420 88 click 1" "key Home")
    [ "$p" -gt 0 ] && steps+=("key --repeat $p --delay 5 Down")
    steps+=("mousemove --window WID $((64 + 28 * (k / n) + 14)) $((40 + 28 * (k % n) + 14)) click 1")
done
steps+=("mousemove --window WID 300 300")
tools/screenshot.sh "$binary" docs/finished-5x5.png "${steps[@]}"
