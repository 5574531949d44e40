#!/usr/bin/env bash
# One source, one program: the committed source built twice as a Release, in two folders of other
# names with its files dated apart, must give the same bytes in the program and its Debian package.
#   reproducible_check.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/report.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$1" "$work/first"
cp -a "$work/first" "$work/second-build"
find "$work/second-build" -exec touch -d '2001-02-03 04:05:06' {} +
for side in first second-build; do
    cmake -S "$work/$side" -B "$work/$side/out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DVELSORA_BUILD_EXTRAS=OFF >/dev/null
    cmake --build "$work/$side/out" >/dev/null
    (cd "$work/$side/out" && cpack -G DEB >/dev/null)
done
for file in window/velsora velsora_*_amd64.deb; do
    # shellcheck disable=SC2086 # the package's name is a pattern
    check "the same $file from both builds" cmp $work/first/out/$file $work/second-build/out/$file
done
report
