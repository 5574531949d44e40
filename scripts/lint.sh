#!/usr/bin/env bash
# Checks the formatting of every C++ source with clang-format, and every shell script for faults
# with ShellCheck, its warnings and errors. (clang-tidy runs inside the Clang build.)
set -euo pipefail
cd "$(dirname "$0")/.."
clang-format --version
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files clean"
shellcheck --version | sed -n 2p
git ls-files '*.sh' .ci/run | xargs shellcheck --external-sources --severity=warning
echo "shellcheck: $(git ls-files '*.sh' .ci/run | wc -l) scripts clean"
# The layers: the platform wraps Qt and knows nothing above it; the puzzle speaks only to the
# platform's controls.
layering=$(git grep -nE '^#include "(window|puzzle)/' -- 'platform/*' ; git grep -nE '^#include "window/' -- 'puzzle/*') || true
if [ -n "$layering" ]; then
    echo "a layer includes one above it:" >&2
    echo "$layering" >&2
    exit 1
fi
echo "layering: platform/ and puzzle/ include nothing above them"
