#!/usr/bin/env bash
# Builds a Release of Velsora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset release
cmake --build --preset release
exec build/release/window/velsora
