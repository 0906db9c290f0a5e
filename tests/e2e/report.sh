#!/usr/bin/env bash
# tq58-cli report writes the settings report of a data file exactly as the report window saves it.
set -euo pipefail
bin=$1
expected="$(cd "$(dirname "${BASH_SOURCE[0]}")/../report/data" && pwd)/new-rv7700a-report.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A program folder of our own, so the model's options do not depend on the installed global.ini.
mkdir "$work/folder" "$work/noatis"
printf '[model2]\r\nuse=1\r\natis=1\r\nscrambler=1\r\n' > "$work/folder/global.ini"
printf '[model2]\r\nuse=1\r\natis=0\r\nscrambler=1\r\n' > "$work/noatis/global.ini"

"$bin/tq58-cli" new --model RV7700A -o "$work/new.hex"

"$bin/tq58-cli" report "$work/new.hex" --program-folder "$work/folder" -o "$work/report.txt"
cmp "$work/report.txt" "$expected" || fail "report file differs from the expected text"

"$bin/tq58-cli" report "$work/new.hex" --program-folder "$work/folder" > "$work/stdout.txt"
cmp "$work/stdout.txt" "$expected" || fail "report on standard output differs"

"$bin/tq58-cli" convert "$work/new.hex" "$work/new.dat" --program-folder "$work/folder"
"$bin/tq58-cli" report "$work/new.dat" --program-folder "$work/folder" -o "$work/dat.txt"
cmp "$work/dat.txt" "$expected" || fail "report of the settings file differs"

"$bin/tq58-cli" report "$work/new.hex" --program-folder "$work/noatis" > "$work/noatis.txt"
! grep -q 'ATIS' "$work/noatis.txt" || fail "a model without ATIS got ATIS sections"
grep -q '^##### Programable USA Channel #####' "$work/noatis.txt" || fail "no USA table without ATIS"

# A failed report leaves an earlier report in place and writes nothing else.
cp "$work/report.txt" "$work/kept.txt"
status=0
"$bin/tq58-cli" report "$work/missing.hex" -o "$work/kept.txt" 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "report of a missing file should fail with 1, got $status"
cmp -s "$work/kept.txt" "$expected" || fail "a failed report touched the existing output"
head -c 1000 "$work/new.hex" > "$work/short.hex"
status=0
"$bin/tq58-cli" report "$work/short.hex" -o "$work/short.txt" 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "report of a truncated image should fail with 1, got $status"
[ ! -e "$work/short.txt" ] || fail "a failed report wrote a file"
status=0
"$bin/tq58-cli" report "$work/new.hex" -o "$work/nofolder/out.txt" 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "writing into a missing folder should fail with 1, got $status"

status=0; "$bin/tq58-cli" report 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "report without input should be a usage error, got $status"
status=0; "$bin/tq58-cli" report "$work/new.hex" --model RV9999 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "unknown model should be a usage error, got $status"
status=0; "$bin/tq58-cli" report "$work/new.hex" --bogus 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "unknown option should be a usage error, got $status"
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"
echo "report: all checks passed"
