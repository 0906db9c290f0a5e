#!/usr/bin/env bash
# tq58-cli diff: a settings file and its image are equal, the MMSI-entered count that only
# the image holds included (the report of either tells the same count); an edited setting gives its line (the
# lines themselves are the report tests'); a file that cannot be read is neither equal nor
# different.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A --destination USA -o "$work/new.dat"
sed -e 's/^Offset Time=.*/Offset Time=-4/' -e 's/^User MMSI=.*/User MMSI=#2445566770/' \
    "$work/new.dat" > "$work/a.dat"
cli convert "$work/a.dat" "$work/a.hex"
expect 0 diff "$work/a.dat" "$work/a.hex"
[ ! -s "$work/out" ] || fail "equal files listed differences: $(head -3 "$work/out")"
for input in a.dat a.hex; do
    cli report "$work/$input" | grep -q "Count : 1" || fail "the report of $input has no count 1"
done

sed -e 's/^Offset Time=.*/Offset Time=5/' "$work/a.dat" > "$work/b.dat"
cli convert "$work/b.dat" "$work/b.hex"
expect 1 diff "$work/a.hex" "$work/b.hex"
[ "$(cat "$work/out")" = "Common Setup | NMEA Data Input | Offset Time | -2:00 | +2:30" ] ||
    fail "diff lines differ: $(cat "$work/out")"

expect 2 diff "$work/a.dat" "$work/missing.hex"
says 'missing.hex: no such file'
expect 2 diff "$work/a.dat"
expect 0 diff --help
echo "settings-diff: all checks passed"
