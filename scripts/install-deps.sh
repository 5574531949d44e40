#!/usr/bin/env bash
# Installs the Debian packages Velsora needs that are missing: scripts/install-deps.sh [build|test]
set -euo pipefail

# Qt's own texts in Bulgarian come from qt6-translations-l10n.
packages=(qt6-base-dev cmake ninja-build g++ fonts-liberation qt6-translations-l10n)
if [ "${1:-build}" = test ]; then
    # Xvfb and openbox run the real program in the tests; xwininfo, xprop and xwd (x11-utils,
    # x11-apps) read its window, xdotool types into it.
    packages+=(xvfb xauth x11-utils x11-apps openbox xdotool)
    # Validators of the desktop entry, AppStream data and Debian package; the package's tools.
    packages+=(desktop-file-utils appstream lintian dpkg-dev file)
    # The Windows version resource, compiled and read back here.
    packages+=(binutils-mingw-w64-x86-64)
    # A screen reader's view: the accessibility bus and a client for it.
    packages+=(at-spi2-core dbus-daemon python3-pyatspi)
    # The program natively on Wayland: a headless Weston and Qt's Wayland plugin.
    packages+=(weston qt6-wayland)
    # The tests run again in a build by Clang.
    packages+=(clang)
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
