#!/usr/bin/env bash
# Installs the Debian packages Velsora needs that are missing:
#   scripts/install-deps.sh [build|test|windows|bench|resources]
set -euo pipefail

# Ninja builds the presets, make a plain `cmake -B build`. Qt's own texts in Bulgarian come from
# qt6-translations-l10n. CPack's Debian package wants file, and dpkg-shlibdeps (dpkg-dev) to name
# the libraries the program needs as its dependencies.
packages=(qt6-base-dev cmake ninja-build make g++ fonts-liberation qt6-translations-l10n file dpkg-dev)
# The real program under Xvfb with a window manager; xwininfo, xprop and xwd (x11-utils, x11-apps)
# read its window, xdotool types into it, ImageMagick and Python read its screenshots.
real_window=(xvfb x11-utils x11-apps openbox xdotool imagemagick python3)
if [ "${1:-build}" = windows ]; then
    # Qt for Windows from Debian's source (dpkg-source unpacks it), built with the host Qt's tools
    # by MinGW-w64; the zip and the installer (wixl); Wine to play and install the result.
    packages+=(qt6-base-dev-tools patch xz-utils perl g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
    packages+=(zip unzip wixl wine wine64 "${real_window[@]}")
fi
if [ "${1:-build}" = test ]; then
    packages+=("${real_window[@]}")
    # Desktop colour schemes the real-window check plays under: GTK's (Adwaita dark) and qt6ct's.
    packages+=(qt6-gtk-platformtheme qt6ct)
    # Validators of the desktop entry, AppStream data and Debian package; the package's tools;
    # Debian's hardening checker (devscripts); the icons' reader (icoutils).
    packages+=(desktop-file-utils appstream lintian devscripts icoutils)
    # The Windows version resource, compiled and decompiled here by windres.
    packages+=(binutils-mingw-w64-x86-64)
    # A screen reader's view: the accessibility bus and a client for it; Qt's private Gui headers,
    # with which the unit tests switch Qt's accessibility on.
    packages+=(at-spi2-core dbus-daemon python3-pyatspi qt6-base-private-dev)
    # The program natively on Wayland: a headless Weston and Qt's Wayland plugin.
    packages+=(weston qt6-wayland)
    # The tests run again in a build by Clang, with clang-tidy; clang-format checks the layout of
    # the C++ sources, shellcheck the scripts.
    packages+=(clang clang-tidy clang-format shellcheck)
    # Clang's AddressSanitizer and UBSan runtimes.
    packages+=(libclang-rt-dev)
    # The Clang build builds the benchmarks too, whose start-up timer talks to the X server.
    packages+=(libxcb1-dev)
fi

if [ "${1:-build}" = bench ]; then
    # Start-up is timed to the map on Xvfb by a timer that talks to the X server.
    packages+=(xvfb python3 libxcb1-dev)
fi
if [ "${1:-build}" = resources ]; then
    # The Windows icon is packed by icotool.
    packages+=(icoutils)
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
