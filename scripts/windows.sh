#!/usr/bin/env bash
# Makes the Windows program: a static Qt for Windows built once from Debian's own source and cached,
# then Velsora.exe cross-built against it, packed with its licences in
# build/windows/Velsora-VERSION-windows-x86_64.zip and in the installer
# build/windows/Velsora-VERSION-windows-x86_64.msi, both played under Wine to prove them.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
# Qt's host tools (moc, rcc) want a UTF-8 locale and say so on every call in a bare "C" one.
export LC_ALL=C.UTF-8

qt_key() { # the cache folder's name: Qt's version, the configure options, the toolchain and the build
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo none)
    echo "qt-${version%%+*}-windows-$(cat <(echo "$version") scripts/windows-qt-options.txt \
        cmake/mingw-w64-x86_64.cmake scripts/windows-qt.sh scripts/windows-qt-raster-window.patch | sha256sum | cut -c1-12)"
}
scripts/install-deps.sh windows
cache=${XDG_CACHE_HOME:-$HOME/.cache}/velsora
# VELSORA_WINDOWS_QT names a Qt for Windows of one's own, to relink the program with it.
qt=${VELSORA_WINDOWS_QT:-$cache/$(qt_key)}
if [ ! -f "$qt/.complete" ]; then
    echo "Building Qt for Windows once, into $qt (docs/building.md says how long it takes)"
    mkdir -p "$(dirname "$qt")"
    scripts/windows-qt.sh "$qt"
fi

build=$project/build/windows
# A build folder configured for another Qt would go on linking that one: it starts afresh.
if [ "$(cat "$build/velsora-qt" 2>/dev/null)" != "$qt" ]; then
    rm -rf "$build"
    mkdir -p "$build"
    echo "$qt" >"$build/velsora-qt"
fi
"$qt/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DVELSORA_QT_TRANSLATIONS=/usr/share/qt6/translations >/dev/null
# The minimal program is the start-up benchmark's yardstick under Wine (bench/wine_startup.sh).
cmake --build "$build" --target velsora velsora_minimal_window
exe=$build/window/Velsora.exe
{ read -r version; read -r publisher; read -r description; } <"$build/velsora-version.txt" # the project's, as CMake has them

# One file a player double-clicks: a GUI program that imports nothing but Windows' own DLLs.
file "$exe"
# Read from the PE headers, as file(1) words them differently from one Debian release to the next.
headers=$(x86_64-w64-mingw32-objdump -f -p "$exe")
grep -q 'file format pei-x86-64' <<<"$headers" && grep -qE '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" ||
    { echo "Velsora.exe is not an x86-64 GUI program"; exit 1; }
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | sort -u)
# A static Qt's plugins come in only when CMake is let include them: Debian's Qt 6.8 turns that off
# by default (QT_SKIP_AUTO_PLUGIN_INCLUSION, set off above), and without the platform plugin the
# program stops at start with "no Qt platform plugin could be initialized".
grep -qa QWindowsIntegrationPlugin "$exe" || { echo "Velsora.exe lacks Qt's Windows platform plugin"; exit 1; }
# No path of this machine: Qt's prefix is the program's own folder (a relocatable Qt), so that
# nothing is looked for in a folder that a stranger could make on the player's machine.
if grep -aoF -e "$qt" -e "$project" -e "$HOME/" -e "${TMPDIR:-/tmp}/" "$exe" | sort -u | grep .; then
    echo "Velsora.exe holds the paths of this machine above"
    exit 1
fi
echo "Velsora.exe imports:" $imports
if grep -viE '^(advapi32|comdlg32|d2d1|d3d9|d3d11|d3d12|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|wtsapi32|ws2_32|mpr|authz|api-ms-win-[a-z0-9-]+)\.dll$' <<<"$imports"; then
    echo "Velsora.exe imports the DLLs above, which Windows does not have"
    exit 1
fi

# The zip: the program, its licence, Qt's, and how to relink it.
stage=$build/zip
rm -rf "$stage"
mkdir -p "$stage/Velsora"
cp "$exe" "$stage/Velsora/"
cp LICENSE "$stage/Velsora/LICENSE.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/Velsora/Qt-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/Velsora/Qt-GPL-3.txt"
cp "$qt/velsora-licenses/qt6-base-copyright.txt" "$stage/Velsora/Qt-copyright.txt"
# In UTF-8 with its byte-order mark, by which every Notepad knows it, and CR LF line ends.
{
    printf '\xef\xbb\xbf'
    sed -e "s/@QT_VERSION@/$(dpkg-query -W -f='${Version}' qt6-base-dev)/" -e "s/@VERSION@/$version/" \
        -e 's/$/\r/' packaging/windows-README.txt
} >"$stage/Velsora/README.txt"
zip=$build/Velsora-$version-windows-x86_64.zip
rm -f "$zip"
(cd "$stage" && find Velsora -exec touch -d '2000-01-01 00:00:00' {} + && zip -qrX "$zip" Velsora)
echo "Made $zip ($(du -k "$zip" | cut -f1) KiB; Velsora.exe $(du -k "$exe" | cut -f1) KiB)"

# The installer, from the zip's files: one product code for each version, derived from the fixed
# upgrade code, so that the same version installed again is a repair and a later one an upgrade.
upgrade_code=$(grep -o 'UpgradeCode="[^"]*"' packaging/velsora.wxs | cut -d'"' -f2)
make_msi() { # make_msi VERSION: the installer of these files as that version, in $build
    local dir=$build/msi-$1 code
    rm -rf "$dir"
    cp -r "$stage/Velsora" "$dir"
    cp packaging/velsora.wxs resources/icons/velsora.ico "$dir/"
    code=$(python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$1")
    # wixl reads the files from the folder of the .wxs.
    wixl -a x64 -D Version="$1" -D ProductCode="$code" -D Publisher="$publisher" -D Description="$description" \
        -o "$build/Velsora-$1-windows-x86_64.msi" "$dir/velsora.wxs"
    rm -rf "$dir"
}
make_msi "$version"
msi=$build/Velsora-$version-windows-x86_64.msi
echo "Made $msi ($(du -k "$msi" | cut -f1) KiB)"

# Played under Wine: the program as unpacked from the zip, then the installer, with a later version
# of itself (the minor version one up) to upgrade to.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && unzip -q "$zip")
tests/real_window_xvfb.sh --wine "$unpacked/Velsora/Velsora.exe" "$build/velsora-design.txt"
later=$(awk -F. '{ printf "%s.%02d", $1, $2 + 1 }' <<<"$version")
make_msi "$later"
tests/windows_installer.sh "$msi" "$build/Velsora-$later-windows-x86_64.msi" "$version" "$later" "$publisher" \
    "$build/velsora-design.txt"
rm -f "$build/Velsora-$later-windows-x86_64.msi"

# A Windows screen reader's view through UI Automation needs Wine 10 (Debian 13), whose UI Automation
# has the events and the client Wine 8 lacks, and MinGW-w64's headers of Debian 13. With Wine 10 the
# check runs here, on this program and on any other named in VELSORA_UIA_ALSO (a zip or a program);
# elsewhere in a fresh Debian 13 root, where the tool that makes one is at hand.
if [ "$(wine --version | sed -n 's/^wine-\([0-9]*\).*/\1/p')" -ge 10 ]; then
    for program in "$zip" ${VELSORA_UIA_ALSO:-}; do
        tests/uia_check.sh "$program"
    done
elif [ -x ../shared/tools/fresh/run-in-fresh ] && [ "$(id -u)" -eq 0 ]; then
    scripts/debian13.sh -i "$zip" "scripts/install-deps.sh windows && tests/uia_check.sh /work/shared/in/$(basename "$zip")"
else
    echo "The UI Automation check is left out: it needs Wine 10 (Debian 13), or a Debian 13 root made by the fresh-root tool."
fi
