#!/usr/bin/env bash
# Installs the Debian packages Velsora needs that are missing: scripts/install-deps.sh [build|test]
set -euo pipefail

packages=(qt6-base-dev cmake ninja-build g++ fonts-liberation)
if [ "${1:-build}" = test ]; then
    # Xvfb runs the real program in the tests; xwininfo and xprop (x11-utils) read its window.
    packages+=(xvfb xauth x11-utils)
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
