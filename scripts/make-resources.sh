#!/usr/bin/env bash
# Redraws the start-up picture and the icons into resources/ with our own generator and packs the
# 8-bit Windows icon, then says whether the files came out byte for byte as committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh resources
cmake --preset release >/dev/null
cmake --build --preset release --target velsora_make_resources
QT_QPA_PLATFORM=offscreen build/release/tools/velsora_make_resources resources
# 256-colour palette with a 1-bit transparency mask, from the palette PNG.
icotool --create --bit-depth=8 --output=resources/icons/velsora.ico resources/icons/velsora-32.png
if git diff --quiet -- resources/startup.jpg resources/startup@2x.png resources/icons; then
    echo "resources redrawn: the same bytes as committed"
else
    # The drawing is fixed, but its bytes depend on the encoders of the Qt, libjpeg and zlib this
    # machine has: another release of them may pack the same pixels differently.
    echo "resources redrawn: these differ from the committed bytes (another Qt, libjpeg or zlib):"
    git diff --stat -- resources/startup.jpg resources/startup@2x.png resources/icons
fi
