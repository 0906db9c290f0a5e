#!/usr/bin/env bash
# tq58-cli report writes the settings report of a data file exactly as the report window saves it.
source "$(dirname "$0")/../support/e2e.sh" "$1"
expected="$(cd "$(dirname "$0")/../report/data" && pwd)/new-rv7700a-report.txt"

# Program folders of our own, so the model's options do not depend on the installed global.ini.
mkdir "$work/folder" "$work/noatis"
printf '[model2]\r\nuse=1\r\natis=1\r\nscrambler=1\r\n' > "$work/folder/global.ini"
printf '[model2]\r\nuse=1\r\natis=0\r\nscrambler=1\r\n' > "$work/noatis/global.ini"
cli new --model RV7700A -o "$work/new.hex"
cli convert "$work/new.hex" "$work/new.dat" --program-folder "$work/folder"

expect 0 report "$work/new.hex" --program-folder "$work/folder"
cmp "$work/out" "$expected" || fail "the report on stdout differs from the expected report"
expect 0 report "$work/new.hex" --program-folder "$work/folder" -o "$work/report.txt"
expect 0 report "$work/new.dat" --program-folder "$work/folder" -o "$work/dat.txt"
for out in report dat; do
    cmp "$work/$out.txt" "$expected" || fail "$out.txt differs from the expected report"
done
expect 0 report "$work/new.hex" --program-folder "$work/noatis"
! grep -q 'ATIS' "$work/out" || fail "a model without ATIS got ATIS sections"
grep -q '^##### Programable USA Channel #####' "$work/out" || fail "no USA table without ATIS"

# A failed report leaves an earlier report in place and writes nothing else.
head -c 1000 "$work/new.hex" > "$work/short.hex"
expect 1 report "$work/missing.hex" -o "$work/report.txt"
cmp -s "$work/report.txt" "$expected" || fail "a failed report touched the existing output"
expect 1 report "$work/short.hex" -o "$work/short.txt"
[ ! -e "$work/short.txt" ] || fail "a failed report wrote a file"
expect 1 report "$work/new.hex" -o "$work/nofolder/out.txt"
expect 2 report
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"
echo "report: all checks passed"
