#!/usr/bin/env bash
# Checks the program's hardening: PIE, full RELRO, stack protector, _FORTIFY_SOURCE.
# Usage: hardening_check.sh BINARY COMPILE_COMMANDS_JSON
set -euo pipefail
binary=$1
commands=$2
. "$(dirname "$0")/report.sh"

header=$(readelf -h "$binary")
dynamic=$(readelf -d "$binary")
segments=$(readelf -lW "$binary")
symbols=$(nm -D "$binary")
check "position-independent executable" grep -q "Type: *DYN" <<<"$header"
check "flagged PIE" grep -q "PIE" <<<"$dynamic"
check "RELRO segment" grep -q GNU_RELRO <<<"$segments"
check "bound now (full RELRO)" grep -Eq "BIND_NOW|Flags: NOW" <<<"$dynamic"
check "stack protector" grep -q __stack_chk_fail <<<"$symbols"
# Where the compiler knows a buffer's size it calls the checked __*_chk twin; a plain memcpy left
# over has a size known only at run time, which nothing can check at compile time. Listed only.
echo "libc calls the compiler could not check: $(grep -Eo ' U (memcpy|memmove|memset|strcpy|sprintf|snprintf)@' <<<"$symbols" | tr -d ' U@' | tr '\n' ' ')"
# Every compilation of our own sources asks for fortified libc calls.
read -r ours fortified < <(awk '
    /"command":/ { command = $0 }
    /"file": "[^"]*\/(platform|puzzle|window)\/[^"]*\.cpp"/ { ours++; if (command ~ /-D_FORTIFY_SOURCE=2/) fortified++ }
    END { print ours + 0, fortified + 0 }' "$commands")
check "_FORTIFY_SOURCE=2 on all $ours sources of the program" test "$ours" -gt 0 -a "$fortified" -eq "$ours"
report
