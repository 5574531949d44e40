#!/usr/bin/env bash
# Redraws the start-up picture and the icons into resources/ with our own generator and packs the
# 8-bit Windows icon, then says whether the files came out byte for byte as committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh resources
cmake --preset release >/dev/null
cmake --build --preset release --target velsora_make_resources
# The same code paths on every x86-64 processor: Qt's drawing and libjpeg-turbo otherwise pick
# their vector instructions by the processor, and round differently with each.
QT_NO_CPU_FEATURE="sse3 ssse3 fma sse4.1 sse4.2 movbe popcnt aes avx f16c rdrnd bmi avx2 bmi2 avx512f avx512dq \
rdseed avx512ifma avx512cd sha avx512bw avx512vl avx512vbmi avx512vbmi2 gfni vaes avx512vnni avx512bitalg \
avx512vpopcntdq avx512fp16" JSIMD_FORCENONE=1 QT_QPA_PLATFORM=offscreen \
    build/release/tools/velsora_make_resources resources
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
