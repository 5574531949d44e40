#!/usr/bin/env bash
# Builds a static Qt for Windows from Debian's own qt6-base source, of the host Qt's exact version:
# scripts/windows-qt.sh PREFIX. Used by scripts/windows.sh, which caches PREFIX.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$1
project=$PWD
toolchain=$project/cmake/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# The configure options are listed once, in scripts/windows-qt-options.txt, which also keys the cache;
# its lines "before-6.8 OPTION" count for Qt before 6.8 only.
if dpkg --compare-versions "${version%%+*}" lt 6.8; then
    before_6_8='s/^before-6\.8 //'
else
    before_6_8='/^before-6\.8 /d'
fi
read -r -a options <<<"$(grep -v '^#' scripts/windows-qt-options.txt | sed "$before_6_8" | tr '\n' ' ')"

work=$(mktemp -d "${TMPDIR:-/tmp}/velsora-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Debian's source package through a private apt state: the machine's own sources, read as deb-src,
# and lists kept in the work folder, so the machine's apt configuration is left as it was.
apt_dir=$work/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list"
else
    : >"$apt_dir/sources.list"
fi
for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
for f in /etc/apt/sources.list.d/*.list; do
    [ -e "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
chmod -R a+rwX "$work"
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o APT::Sandbox::User=root
             -o Debug::NoLocking=1)
echo "Fetching Debian's source of qt6-base $version"
apt-get "${apt_options[@]}" -q update
(cd "$work" && apt-get "${apt_options[@]}" -q source --download-only "qt6-base=$version")
dsc=$(ls "$work"/qt6-base_*.dsc)
dpkg-source --no-check -x "$dsc" "$work/src" >/dev/null
# Our one change to Qt: a plain window is placed without asking Direct3D about the graphics card.
patch -d "$work/src" -p1 --forward <scripts/windows-qt-raster-window.patch

# A few Qt sources print their own file name (__FILE__): it reads qt6-base/..., not this machine's
# temporary folder.
prefix_map="-ffile-prefix-map=$work/src=qt6-base -ffile-prefix-map=$work/build=qt6-base-build"
echo "Configuring Qt for Windows into $prefix"
mkdir -p "$work/build"
cd "$work/build"
"$work/src/configure" -prefix "$prefix" "${options[@]}" \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map"
# -k 0: a failure shows every file that fails, not the first alone.
cmake --build . --parallel -- -k 0
rm -rf "$prefix"
cmake --install .
# Qt's copyright and licence notes, bundled libraries included, go into the Windows zip.
mkdir -p "$prefix/velsora-licenses"
cp "$work/src/debian/copyright" "$prefix/velsora-licenses/qt6-base-copyright.txt"
touch "$prefix/.complete"
