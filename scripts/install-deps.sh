#!/usr/bin/env bash
# Installs the Debian packages Velsora needs that are missing: scripts/install-deps.sh [build|test]
set -euo pipefail

packages=(qt6-base-dev cmake ninja-build g++ fonts-liberation)
if [ "${1:-build}" = test ]; then
    # Xvfb runs the real program in the tests; xwininfo and xprop (x11-utils) read its window.
    packages+=(xvfb xauth x11-utils)
    # Validators of the desktop entry, AppStream data and Debian package; the package's tools.
    packages+=(desktop-file-utils appstream lintian dpkg-dev file)
    # The Windows version resource, compiled and read back here.
    packages+=(binutils-mingw-w64-x86-64)
    # A screen reader's view: the accessibility bus and a client for it.
    packages+=(at-spi2-core dbus-daemon python3-pyatspi)
    # The start-up benchmark's timer talks to the X server; bc works out its ratios.
    packages+=(libxcb1-dev bc)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
