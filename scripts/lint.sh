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
