#!/usr/bin/env bash
# tq58-cli report writes the settings report of a data file exactly as the report window saves it.
set -euo pipefail
bin=$1
expected="$(cd "$(dirname "${BASH_SOURCE[0]}")/../report/data" && pwd)/new-rv7700a-report.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Runs the report verb, expecting the exit status given first.
report() {
    local want=$1 status=0
    shift
    "$bin/tq58-cli" report "$@" 2>/dev/null || status=$?
    [ "$status" -eq "$want" ] || fail "report $* exited $status, expected $want"
}

# Program folders of our own, so the model's options do not depend on the installed global.ini.
mkdir "$work/folder" "$work/noatis"
printf '[model2]\r\nuse=1\r\natis=1\r\nscrambler=1\r\n' > "$work/folder/global.ini"
printf '[model2]\r\nuse=1\r\natis=0\r\nscrambler=1\r\n' > "$work/noatis/global.ini"
"$bin/tq58-cli" new --model RV7700A -o "$work/new.hex"
"$bin/tq58-cli" convert "$work/new.hex" "$work/new.dat" --program-folder "$work/folder"

report 0 "$work/new.hex" --program-folder "$work/folder" -o "$work/report.txt"
report 0 "$work/new.dat" --program-folder "$work/folder" -o "$work/dat.txt"
report 0 "$work/new.hex" --program-folder "$work/folder" > "$work/stdout.txt"
for out in report dat stdout; do
    cmp "$work/$out.txt" "$expected" || fail "$out.txt differs from the expected report"
done
report 0 "$work/new.hex" --program-folder "$work/noatis" > "$work/noatis.txt"
! grep -q 'ATIS' "$work/noatis.txt" || fail "a model without ATIS got ATIS sections"
grep -q '^##### Programable USA Channel #####' "$work/noatis.txt" || fail "no USA table without ATIS"

# A failed report leaves an earlier report in place and writes nothing else.
head -c 1000 "$work/new.hex" > "$work/short.hex"
report 1 "$work/missing.hex" -o "$work/report.txt"
cmp -s "$work/report.txt" "$expected" || fail "a failed report touched the existing output"
report 1 "$work/short.hex" -o "$work/short.txt"
[ ! -e "$work/short.txt" ] || fail "a failed report wrote a file"
report 1 "$work/new.hex" -o "$work/nofolder/out.txt"
report 2
report 2 "$work/new.hex" --model RV9999
report 2 "$work/new.hex" --bogus
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"
echo "report: all checks passed"
