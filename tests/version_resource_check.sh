#!/usr/bin/env bash
# The Windows version resource and icon as Windows reads them, decompiled by binutils' windres from
# the compiled resource or from Velsora.exe itself: version_resource_check.sh FILE VERSION PUBLISHER
set -euo pipefail
file=$1 version=$2 publisher=$3
. "$(dirname "$0")/report.sh"
format=res
[[ $file != *.exe ]] || format=coff
rc=$(x86_64-w64-mingw32-windres -J "$format" -i "$file" -O rc)
major=${version%%.*} minor=$((10#${version#*.}))
value() { sed -n "s/^ *VALUE \"$1\", //p" <<<"$rc" | tr -d '"'; }
expect "one string table, English (United States) in Unicode" "$(grep -o 'BLOCK "[0-9A-F]\{8\}"' <<<"$rc")" \
    'BLOCK "040904B0"'
expect "its translation" "$(grep -o '"Translation", .*' <<<"$rc")" '"Translation", 0x409, 1200'
for field in FileVersion ProductVersion; do expect "$field" "$(value "$field")" "$version"; done
expect "FILEVERSION" "$(sed -n 's/^ *FILEVERSION //p' <<<"$rc")" "$major, $minor, 0, 0"
expect "PRODUCTVERSION" "$(sed -n 's/^ *PRODUCTVERSION //p' <<<"$rc")" "$major, $minor, 0, 0"
expect "InternalName" "$(value InternalName)" Velsora
expect "OriginalFilename" "$(value OriginalFilename)" Velsora.exe
expect "ProductName" "$(value ProductName)" Velsora
expect "CompanyName" "$(value CompanyName)" "$publisher"
# The icon group: one 32 x 32 image of 8 bits a pixel.
expect "the icon" "$(grep -c 'Element no' <<<"$rc") $(grep -o '"\\040\\040\\000\\000", 1, 8' <<<"$rc")" \
    '1 "\040\040\000\000", 1, 8'
report
