#!/usr/bin/env bash
# tq58-cli reads the simulated radio over a pseudo-terminal, keeping the image as a backup;
# programs a settings file into it and reads it back; then a wrong model, Ctrl+C, a clear, a
# backups folder that cannot be made, no radio at all and usage errors.
source "$(dirname "$0")/../support/e2e.sh" "$1"

# The backups of reads go to the per-user data folder of this scratch home.
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
backups=$XDG_DATA_HOME/TQ58/TQ58/backups
backupCount() { find "$backups" -name 'RV7700A_*.hex' 2>/dev/null | wc -l; }

# The radio starts with new data as an image, its product code in place; a read keeps exactly
# that as its backup.
cli new --model RV7700A -o "$work/new.hex"
cp "$work/new.hex" "$work/radio.hex"
printf 'KX417Q\377' | dd of="$work/radio.hex" bs=1 seek=1056 conv=notrunc status=none
startSim --image "$work/radio.hex"
expect 0 read --port "$radio" --model RV7700A -o "$work/first.dat"
[ "$(backupCount)" -eq 1 ] || fail "a read left $(backupCount) backups, not one"
cmp "$backups"/RV7700A_*.hex "$work/radio.hex" || fail "the backup is not the radio's memory"

# A settings file that differs from new data, so that a read that took over nothing shows; what
# the radio must give back is what the codec makes of it without any cable.
cli convert "$work/new.hex" "$work/new.dat"
sed -e 's/^User MMSI=.*/User MMSI=#366123456/' -e 's/^Offset Time=.*/Offset Time=5/' \
    "$work/new.dat" > "$work/edited.dat"
cli convert "$work/edited.dat" "$work/sent.dat" --model RV7700A
cli convert "$work/sent.dat" "$work/sent.hex"
cli convert "$work/sent.hex" "$work/expected.dat"
grep -q '^User MMSI=#366123456' "$work/expected.dat" || fail "the MMSI edit was lost"
cmp -s "$work/new.dat" "$work/expected.dat" && fail "the edits made no difference to new data"

expect 0 program --port "$radio" --confirm-mmsi 366123456 "$work/sent.dat"
grep -q 'Complete!!' "$work/err" || fail "program did not report completion"

expect 1 read --port "$radio" --model RV7200A -o "$work/wrong.dat"
grep -q 'ModelType Error !!' "$work/err" || fail "no model message"
says "--model names the RV7200A; the radio is an RV7700A"
# An output that cannot be written is refused before the radio is read.
expect 1 read --port "$work/no-such-port" --model RV7700A -o "$work/no-folder/x.dat"
says "$work/no-folder/x.dat: No such file or directory"

# Ctrl+C during the data phase cancels quietly; the radio still answers afterwards.
"$bin/tq58-cli" read --port "$radio" --model RV7700A -o "$work/cancelled.dat" 2> "$work/cancel.err" &
readPid=$!
sleep 2.5
kill -INT "$readPid"
status=0; wait "$readPid" || status=$?
[ "$status" -eq 1 ] || fail "a cancelled read should exit 1, got $status"
! grep -q 'Complete!!' "$work/cancel.err" || fail "a cancelled read reported completion"
expect 0 clear-log distress --port "$radio" --model RV7700A
[ "$(backupCount)" -eq 1 ] || fail "failed reads or other operations left backups"

# A backups folder that cannot be made is reported; the read still completes.
touch "$work/not-a-folder"
XDG_DATA_HOME=$work/not-a-folder expect 0 read --port "$radio" --model RV7700A --low-speed \
    -o "$work/back.dat"
[ "$(grep -c 'could not be kept as a backup' "$work/err")" -eq 1 ] ||
    fail "the lost backup was not reported once: $(cat "$work/err")"
diff "$work/expected.dat" "$work/back.dat" > "$work/diff.txt" ||
    fail "read-back differs: $(head "$work/diff.txt")"

expect 1 read --port "$work/no-such-port" -o "$work/none.dat"
expect 2 read -o "$work/x.dat"
expect 2 read --port "$radio" --model RV7700A -o "$work/back.txt"
expect 2 clear-log both --port "$radio"
for out in wrong cancelled none x; do
    [ ! -e "$work/$out.dat" ] || fail "a failed read wrote $out.dat"
done
echo "radio-transfer: all checks passed"
