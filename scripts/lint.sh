#!/usr/bin/env bash
# Checks the formatting of every source file with clang-format. (clang-tidy runs inside the Clang
# build: cmake --preset clang.)
set -euo pipefail
cd "$(dirname "$0")/.."
clang-format --version
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files clean"
