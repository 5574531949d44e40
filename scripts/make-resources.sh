#!/usr/bin/env bash
# Redraws the start-up picture and the icons into resources/ and packs the 8-bit Windows icon.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v icotool >/dev/null || { echo "make-resources.sh needs icotool (package icoutils)" >&2; exit 1; }
cmake --preset ci >/dev/null
cmake --build --preset ci --target velsora_make_resources
QT_QPA_PLATFORM=offscreen build/ci/tools/velsora_make_resources resources
# 256-colour palette with a 1-bit transparency mask, from the palette PNG.
icotool --create --bit-depth=8 --output=resources/icons/velsora.ico resources/icons/velsora-32.png
echo "resources redrawn"
