#!/usr/bin/env bash
# Outputs that are not plain files (each kind's own handling is the files tests'): -o
# /dev/stdout prints and stays a link; a full standard output is a failure with the system's
# reason, never success and never diff's "different" or check's "warnings found".
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A -o "$work/a.dat"
cli new --model RV7200A -o "$work/b.dat"
cli report "$work/a.dat" -o "$work/expected.txt"

# As root a fault could replace the system's own /dev/stdout: the test then uses a link to
# /proc/self/fd/1 of its own, which is what that is.
stdout=/dev/stdout
if [ "$(id -u)" -eq 0 ]; then
    stdout=$work/stdout
    ln -s /proc/self/fd/1 "$stdout"
fi
"$bin/tq58-cli" report "$work/a.dat" -o "$stdout" | cat > "$work/piped.txt"
cmp -s "$work/piped.txt" "$work/expected.txt" || fail "-o /dev/stdout did not print the report"
[ -L "$stdout" ] || fail "the link was replaced"

# Runs tq58-cli with a full standard output, expecting the exit status given first.
full() {
    local want=$1 status=0
    shift
    "$bin/tq58-cli" "$@" > /dev/full 2> "$work/err" || status=$?
    [ "$status" -eq "$want" ] || fail "tq58-cli $* >/dev/full exited $status, not $want"
    says "cannot write to standard output: No space left on device"
}
cli new --model RV7700A -o "$work/new.hex"
full 2 diff "$work/a.dat" "$work/b.dat"
full 1 dump "$work/new.hex"
full 1 report "$work/a.dat"
sed 's/^User MMSI=.*/User MMSI=#0244123450/' "$work/a.dat" > "$work/warned.dat"
full 2 check "$work/warned.dat"
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"
echo "output-targets: all checks passed"
