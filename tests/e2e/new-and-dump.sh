#!/usr/bin/env bash
# tq58-cli new writes a complete image for a model; dump shows it as the debug view does.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A -o "$work/x.hex"
[ "$(stat -c %s "$work/x.hex")" -eq 32768 ] || fail "image is not 32768 bytes"
cli dump "$work/x.hex" > "$work/dump.txt"
[ "$(wc -l < "$work/dump.txt")" -eq $((2 + 2048)) ] || fail "dump has the wrong number of lines"
grep -q '^ 0000: 1E 14 ' "$work/dump.txt" || fail "model code missing at 0x0000"
grep -q '^ 7FF0: .* 1E 14$' "$work/dump.txt" || fail "model code missing at 0x7FFE"
# The factory level tables, which nothing else checks byte for byte.
tableA='00 93 AE C0 C8 D2 DB E1 E4 EA ED F0 F6 F9 FC FF'
grep -qx " 0430: $tableA" "$work/dump.txt" || fail "level table A at 0x0430"
grep -qx " 0450: 00 08 1C 30 43 57 6B 7B 8C 9C AA BC CB D8 E0 FF" "$work/dump.txt" || fail "level table B"
grep -qx " 0490: 00 00 10 20 30 40 50 60 70 80 90 A0 B0 C0 D0 FF" "$work/dump.txt" || fail "level table C"
grep -qx " 04A0: $tableA" "$work/dump.txt" || fail "level table A at 0x04A0"
cli new --model 1 -o "$work/y.hex"
cli dump "$work/y.hex" > "$work/dump7200.txt"
grep -q '^ 0000: 1C 20 ' "$work/dump7200.txt" || fail "RV7200A model code"

# Options also take "=value"; an unknown or a repeated option is refused with its name.
cli new --model=RV7700A -o "$work/same.hex"
cmp -s "$work/x.hex" "$work/same.hex" || fail "--model=RV7700A made another image"
expect 2 new --model RV7700A --colour red -o "$work/z.hex"
says "Unknown option 'colour'"
expect 2 new --model RV7700A --model RV7200A -o "$work/z.hex"
says "option 'model' is given more than once"
expect 2 new --model RV9999 -o "$work/z.hex"
[ ! -e "$work/z.hex" ] || fail "a refused command wrote a file"
echo "new-and-dump: all checks passed"
