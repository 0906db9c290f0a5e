#!/usr/bin/env bash
# tq58-cli check lists what deserves a second look (a group MMSI among the stations), and
# program writes a User MMSI only when --confirm-mmsi repeats it, refusing before the port.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A --destination USA -o "$work/new.dat"
expect 0 check "$work/new.dat"
[ ! -s "$work/out" ] || fail "new data has warnings: $(cat "$work/out")"

sed 's/^User MMSI=.*/User MMSI=#244123456/' "$work/new.dat" > "$work/own.dat"
printf 'Memory ID,Station Name,MMSI\n1,FLEET,036612345\n' > "$work/individual.csv"
cli import-csv "$work/own.dat" "$work/individual.csv" -o "$work/boat.dat"
expect 1 check "$work/boat.dat"
grep -qF 'Memory ID Setting | No.1 | "FLEET": 036612345 reads as Group · USA' "$work/out" ||
    fail "the group MMSI is not named: $(cat "$work/out")"
expect 2 check "$work/missing.dat"
mkdir "$work/nomids" && cp "$bin/global.ini" "$work/nomids"
expect 1 check --program-folder "$work/nomids" "$work/boat.dat"
says "The table of MIDs could not be read"

# Refused before any port is opened: the device does not even exist.
expect 1 program --port "$work/no-such-port" "$work/boat.dat"
says "--confirm-mmsi"
expect 1 program --port "$work/no-such-port" --confirm-mmsi 244123457 "$work/boat.dat"
says "differs from the file's User MMSI"
expect 1 program --port "$work/no-such-port" --confirm-mmsi 2441234560 "$work/boat.dat"
says "type the 9 digits the radio stores: --confirm-mmsi 244123456."
# A User MMSI that is not nine digits never goes into a radio; check names its length first.
sed 's/^User MMSI=.*/User MMSI=#24412345/' "$work/new.dat" > "$work/short.dat"
expect 1 program --port "$work/no-such-port" --confirm-mmsi 24412345 "$work/short.dat"
says "User MMSI 24412345 has 8 digits; an MMSI has 9."
expect 1 check "$work/short.dat"
grep -qF '| User MMSI | User MMSI 24412345 has 8 digits' "$work/out" || fail "$(cat "$work/out")"
startSim
expect 0 program --port "$radio" --confirm-mmsi "$(printf '\t244123456 ')" "$work/boat.dat"
says "Complete!!"
stopSim
echo "safety-guards: all checks passed"
