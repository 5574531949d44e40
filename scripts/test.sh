#!/usr/bin/env bash
# Builds Velsora with warnings as errors and runs every test, then the suite again built by Clang,
# and again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
cmake --preset clang
cmake --build --preset clang
ctest --preset clang
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
