#!/usr/bin/env bash
# Runs a command in a fresh Debian 13 root, on a clean clone of this repository's committed branch:
# scripts/debian13.sh [-i FILE]... 'COMMAND'. Needs root and the fresh-root tool beside the project
# (../shared/tools/fresh). Qt for Windows built in the root is kept in this machine's cache for the
# next run; each FILE given with -i is at /work/shared/in/ there.
set -euo pipefail
cd "$(dirname "$0")/.."
fresh=$(cd .. && pwd)/shared/tools/fresh
[ -x "$fresh/run-in-fresh" ] || { echo "No fresh-root tool at $fresh"; exit 1; }
inputs=()
while getopts i: option; do
    case $option in
    i) inputs+=("$OPTARG") ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
command=${1:?usage: scripts/debian13.sh [-i FILE]... COMMAND}

export VELSORA_FRESH_SUITE=trixie
cache=${XDG_CACHE_HOME:-$HOME/.cache}/velsora/debian13
mkdir -p "$cache"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The root gets the shared folder, the cache and the inputs, read-only, and hands back its cache.
cp -a ../shared "$work/shared"
mkdir -p "$work/shared/in" "$work/out"
cp -a "$cache" "$work/shared/cache"
[ ${#inputs[@]} -eq 0 ] || cp "${inputs[@]}" "$work/shared/in/"
"$fresh/make-root" >/dev/null
branch=$(git rev-parse --abbrev-ref HEAD)
[ "$branch" != HEAD ] || branch=main
status=0
"$fresh/run-in-fresh" -t 4800 -b "$branch" -s "$work/shared" -o "$work/out" . "
    mkdir -p ~/.cache && cp -a /work/shared/cache ~/.cache/velsora && chmod -R u+w ~/.cache/velsora
    trap 'cp -a ~/.cache/velsora/. \"\$OUT\"/' EXIT
    $command" || status=$?
# Only a Qt for Windows that was built to the end goes back into the cache.
for qt in "$work"/out/qt-*; do
    [ -f "$qt/.complete" ] && [ ! -e "$cache/$(basename "$qt")" ] && mv "$qt" "$cache/"
done
exit "$status"
