#!/usr/bin/env bash
# The start-up picture and the icons as image tools read them (ImageMagick, icoutils):
# resources_check.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/report.sh"
cd "$1/resources"
# /usr/bin: a convert or identify elsewhere on PATH may be another program.
# Read by ImageMagick's fields, not file(1)'s wording, which changes from one Debian release to the next.
expect "the start-up picture: a baseline JPEG at 96 dpi" \
    "$(/usr/bin/identify -format '%m %wx%h %xx%y %[units] %[interlace] %[colorspace]' startup.jpg)" \
    "JPEG 337x262 96x96 PixelsPerInch None sRGB"
expect "its chroma, 4:2:0" "$(/usr/bin/identify -format '%[jpeg:sampling-factor]' startup.jpg)" "2x2,1x1,1x1"
expect "the picture for twice the density" "$(/usr/bin/identify -format '%m %wx%h' startup@2x.png)" "PNG 674x524"
expect "the Windows icon: one 32 x 32 image with a 256-colour palette" "$(icotool -l icons/velsora.ico)" \
    "--icon --index=1 --width=32 --height=32 --bit-depth=8 --palette-size=256"
expect "its mask: corners clear, the burger's middle opaque" \
    "$(/usr/bin/convert icons/velsora.ico -format '%[fx:p{0,0}.a] %[fx:p{31,31}.a] %[fx:p{16,16}.a]' info:)" "0 0 1"
expect "the window's icon, the same image" "$(/usr/bin/identify -format '%[type] %wx%h' icons/velsora-32.png)" \
    "PaletteAlpha 32x32"
report
