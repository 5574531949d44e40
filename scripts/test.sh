#!/usr/bin/env bash
# Builds Velsora and runs every test: formatting; a GCC build with warnings as errors and the whole
# suite, with the checks of the program as delivered; a Clang build with warnings as errors,
# clang-tidy on every file it compiles, and AddressSanitizer and UndefinedBehaviorSanitizer over the
# suite and the soak. (The Windows program has a command of its own, scripts/windows.sh, which plays
# it under Wine; where it has been built, the suite reads its version resource too.)
set -euo pipefail
cd "$(dirname "$0")/.."
step() { # step NAME COMMAND...: runs the command and says how long it took
    local begin=$SECONDS
    echo "== $1"
    "${@:2}"
    echo "== $1: $((SECONDS - begin)) s"
}
step "packages" scripts/install-deps.sh test
step "lint" scripts/lint.sh
step "GCC build" bash -c 'cmake --preset ci >/dev/null && cmake --build --preset ci'
step "GCC tests" ctest --preset ci -j2
echo "$(clang-tidy --version | grep -m1 version): $(clang-tidy --list-checks | grep -c '^    ') checks on every file the Clang build compiles"
step "Clang build with clang-tidy and sanitizers" bash -c 'cmake --preset clang >/dev/null && cmake --build --preset clang'
step "Clang tests under the sanitizers" ctest --preset clang -j2
