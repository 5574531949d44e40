# Sourced by the shell checks, to count and report them alike:
#   ok NAME / fail NAME          one check that passed or failed
#   check NAME COMMAND...        runs the command as one check, showing what it printed
#   expect NAME SEEN WANTED      a check that a reading is what it should be
#   at_least NAME SEEN LEAST     a check that a number reads LEAST or more
#   report                       "N passed, M failed", and fails when any check did
# shellcheck shell=bash
passed=0
failed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
check() {
    local name=$1 out
    shift
    if out=$("$@" 2>&1); then ok "$name"; else fail "$name"; fi
    [ -z "$out" ] || sed 's/^/    /' <<<"$out"
}
expect() {
    if [ "$2" = "$3" ]; then ok "$1: $2"; else fail "$1: $2, not $3"; fi
}
at_least() {
    if awk -v seen="$2" -v least="$3" 'BEGIN { exit !(seen + 0 >= least + 0) }'; then
        ok "$1: $2"
    else
        fail "$1: $2, under $3"
    fi
}
report() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
