#!/usr/bin/env bash
# tq58-cli diff: a settings file and its image are equal; three edited settings give exactly
# three lines; a file that cannot be read is neither equal nor different.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A --destination USA -o "$work/new.dat"
sed -e 's/^Offset Time=.*/Offset Time=-4/' "$work/new.dat" > "$work/a.dat"
cli convert "$work/a.dat" "$work/a.hex"
expect 0 diff "$work/a.dat" "$work/a.hex"
[ ! -s "$work/out" ] || fail "equal files listed differences: $(head -3 "$work/out")"

# Three settings changed: the offset time, a USA channel's name and an EXP frequency.
sed -e 's/^Offset Time=.*/Offset Time=5/' "$work/a.dat" > "$work/b.dat"
printf 'USA CH,CH Name\n16,MAYDAY\n' > "$work/usa.csv"
printf 'EXP CH,Tx Frequency\n3,157.1\n' > "$work/exp.csv"
cli import-csv "$work/b.dat" "$work/usa.csv" -o "$work/b.dat"
cli import-csv "$work/b.dat" "$work/exp.csv" -o "$work/b.hex"
expect 1 diff "$work/a.hex" "$work/b.hex"
cat > "$work/expected" <<'LINES'
Common Setup | NMEA Data Input | Offset Time | -2:00 | +2:30
Programable USA Channel | CH 16 | CH Name | DISTRESS | MAYDAY
Programable Exp Channel | CH 3 | TX(MHz) | ---.---- | 157.1000
LINES
diff "$work/expected" "$work/out" > "$work/d" || fail "diff lines differ: $(cat "$work/d")"

expect 2 diff "$work/a.dat" "$work/missing.hex"
says 'missing.hex: no such file'
expect 2 diff "$work/a.dat"
expect 0 diff --help
echo "settings-diff: all checks passed"
