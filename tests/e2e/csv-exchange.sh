#!/usr/bin/env bash
# tq58-cli export-csv and import-csv: every list out and back in unchanged, an edited list taken
# in, a refused file that changes nothing, and the exit statuses of failures and usage errors.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A --destination USA -o "$work/a.dat"
cli convert "$work/a.dat" "$work/a.hex"
for list in exp usa intl canada individual group; do
    expect 0 export-csv "$work/a.dat" --list "$list" -o "$work/$list.csv"
    expect 0 import-csv "$work/a.dat" "$work/$list.csv" -o "$work/back.dat"
    cmp -s "$work/a.dat" "$work/back.dat" || fail "the $list list did not come back unchanged"
    expect 0 import-csv "$work/a.hex" "$work/$list.csv" -o "$work/back.hex"
    cmp -s "$work/a.hex" "$work/back.hex" || fail "the $list list changed the image"
done
expect 0 export-csv "$work/a.hex" --list exp
head -1 "$work/out" | grep -q '^EXP CH,CH Enable,CH Display,Rx Frequency,Tx Frequency,' ||
    fail "export-csv without -o does not write the list to stdout"

# A spreadsheet's edits: a new EXP channel and two stations, written back into the file itself.
printf 'EXP CH,CH Enable,CH Display,Rx Frequency,Tx Frequency,CH Name\r\n' > "$work/edit.csv"
printf '7,On,71,"156,025",156.025,"HARBOUR, WEST"\r\n' >> "$work/edit.csv"
cp "$work/a.dat" "$work/edited.dat"
expect 0 import-csv "$work/edited.dat" "$work/edit.csv" -o "$work/edited.dat"
expect 0 export-csv "$work/edited.dat" --list exp
grep -q '^7,On,71,156.025,156.025,.*,"HARBOUR, WEST"' "$work/out" || fail "the EXP edit was lost"
printf 'Memory ID,Station Name,MMSI\n1,HOME,366123456\n2,MARINA,211123456\n' > "$work/dir.csv"
expect 0 import-csv "$work/edited.dat" "$work/dir.csv" -o "$work/edited.hex"
expect 0 export-csv "$work/edited.hex" --list individual
cmp -s <(tr -d '\r' < "$work/out") "$work/dir.csv" || fail "the stations did not arrive"

# One bad row refuses the whole file; the output is not written and the bad row is named.
# A refused cell is quoted in UTF-8 as the file holds it.
printf 'Memory ID,Station Name,MMSI\n1,HOME,36612345\n2,\xc3\x85LAND \xc5\x81\n' > "$work/bad.csv"
expect 1 import-csv "$work/a.dat" "$work/bad.csv" -o "$work/refused.dat"
says 'bad.csv: Nothing was imported: 2 rows were refused'
grep -q '^line 2: MMSI "36612345" is not 9 digits' "$work/err" || fail "line 2 not named"
says $'line 3: Station Name "\xc3\x85LAND \xef\xbf\xbd" holds a character the radio cannot store'
[ ! -e "$work/refused.dat" ] || fail "a refused import wrote its output"
# A row of 50,000 surplus cells is refused once, at once, in a line.
{ printf 'EXP CH,CH Enable\n1,On'; printf ',x%.0s' $(seq 50000); echo; } > "$work/wide.csv"
expect 1 import-csv "$work/a.dat" "$work/wide.csv" -o "$work/refused.dat"
[ "$(wc -c < "$work/err")" -lt 200 ] && says 'line 2: more cells than headings' ||
    fail "the wide row: $(head -c 300 "$work/err")"

expect 1 import-csv "$work/a.dat" "$work/missing.csv" -o "$work/refused.dat"
says 'missing.csv: no such file'
expect 1 export-csv "$work/a.dat" --list exp -o "$work/no-folder/exp.csv"
says "cannot write $work/no-folder/exp.csv: no such folder"
expect 2 export-csv "$work/a.dat" --list channels
expect 2 export-csv "$work/a.dat"
expect 2 import-csv "$work/a.dat" "$work/dir.csv"
expect 2 import-csv "$work/a.dat" "$work/dir.csv" -o "$work/dir.csv"
expect 0 import-csv --help
grep -q '^usage: tq58-cli import-csv IN CSV -o OUT' "$work/out" || fail "import-csv --help"
echo "csv-exchange: all checks passed"
