#!/usr/bin/env bash
# tq58-cli programs a settings file into the simulated radio over a pseudo-terminal and
# reads it back; then the failures a user can meet: wrong model, Ctrl+C, no radio at all.
set -euo pipefail
bin=$1
work=$(mktemp -d)
simPid=
cleanup() {
    if [ -n "$simPid" ]; then kill "$simPid" 2>/dev/null || true; wait "$simPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

radio=$work/radio
"$bin/tq58-radio-sim" --link "$radio" --model RV7700A &
simPid=$!
for _ in $(seq 50); do [ -L "$radio" ] && break; sleep 0.1; done
[ -L "$radio" ] || fail "the simulator did not create $radio"

# A settings file that differs from new data, so that a read that took over nothing shows.
"$bin/tq58-cli" new --model RV7700A -o "$work/new.hex"
"$bin/tq58-cli" convert "$work/new.hex" "$work/new.dat"
sed -e 's/^User MMSI=.*/User MMSI=#366123456/' -e 's/^Offset Time=.*/Offset Time=5/' \
    "$work/new.dat" > "$work/edited.dat"
"$bin/tq58-cli" convert "$work/edited.dat" "$work/sent.dat" --model RV7700A
grep -q '^User MMSI=#366123456' "$work/sent.dat" || fail "the edited MMSI did not survive convert"
# What the radio must give back is what the codec makes of the file without any cable.
"$bin/tq58-cli" convert "$work/sent.dat" "$work/sent.hex"
"$bin/tq58-cli" convert "$work/sent.hex" "$work/expected.dat"
cmp -s "$work/new.dat" "$work/expected.dat" && fail "the edits made no difference to new data"

"$bin/tq58-cli" program --port "$radio" "$work/sent.dat" 2> "$work/program.err" ||
    fail "program failed: $(cat "$work/program.err")"
grep -q 'Complete!!' "$work/program.err" || fail "program did not report completion"

"$bin/tq58-cli" read --port "$radio" --model RV7700A --low-speed -o "$work/back.dat" 2> "$work/read.err" ||
    fail "read failed: $(cat "$work/read.err")"
diff "$work/expected.dat" "$work/back.dat" > "$work/diff.txt" ||
    fail "read-back differs: $(head "$work/diff.txt")"


# A radio of another model: nothing is written.
status=0
"$bin/tq58-cli" read --port "$radio" --model RV7200A -o "$work/wrong.dat" 2> "$work/wrong.err" || status=$?
[ "$status" -eq 1 ] || fail "a wrong model should exit 1, got $status"
grep -q 'ModelType Error !!' "$work/wrong.err" || fail "no model message"
[ ! -e "$work/wrong.dat" ] || fail "a failed read wrote its output"

# Ctrl+C during the data phase cancels quietly and writes nothing.
"$bin/tq58-cli" read --port "$radio" --model RV7700A -o "$work/cancelled.dat" 2> "$work/cancel.err" &
readPid=$!
sleep 2.5
kill -INT "$readPid"
status=0; wait "$readPid" || status=$?
[ "$status" -eq 1 ] || fail "a cancelled read should exit 1, got $status"
[ ! -e "$work/cancelled.dat" ] || fail "a cancelled read wrote its output"
! grep -q 'Complete!!' "$work/cancel.err" || fail "a cancelled read reported completion"

# The radio still answers after the cancel.
"$bin/tq58-cli" clear-log dsc --port "$radio" --model RV7700A 2>/dev/null || fail "clear-log after a cancel"

# Nothing at the other end of the cable.
status=0
"$bin/tq58-cli" read --port "$work/no-such-port" -o "$work/none.dat" 2> "$work/none.err" || status=$?
[ "$status" -eq 1 ] || fail "a missing port should exit 1, got $status"
[ ! -e "$work/none.dat" ] || fail "a read without a radio wrote its output"

status=0; "$bin/tq58-cli" read -o "$work/x.dat" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "read without --port should be a usage error, got $status"
status=0; "$bin/tq58-cli" clear-log both --port "$radio" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "clear-log of an unknown log should be a usage error, got $status"
echo "radio-transfer: all checks passed"
