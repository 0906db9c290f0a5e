#!/usr/bin/env bash
# tq58-cli program --verify against the simulated radio: a clean line says "Verified"; a radio
# that stores a flipped bit yet acknowledges it passes without --verify and fails with it,
# naming the address; a read-back that fails (bad checksums, no answer, the wrong block, the
# line gone) fails too, naming the first address it could not confirm. What a read brings back
# is the radio-transfer test's.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A --destination USA -o "$work/new.dat"
printf 'EXP CH,CH Enable,CH Display,Rx Frequency,Tx Frequency,CH Name\n2,On,72,157.1,157.1,WORK\n' \
    > "$work/exp.csv"
cli import-csv "$work/new.dat" "$work/exp.csv" -o "$work/sent.dat"

startSim
expect 0 program --port "$radio" --verify "$work/sent.dat"
grep -qz 'Complete!!.Verified' "$work/err" || fail "no \"Verified\": $(tail -2 "$work/err")"

# EXP channel 1 at 0x0E00 (3584) is stored with a flipped bit.
startSim --corrupt-write 3584
expect 0 program --port "$radio" "$work/sent.dat"
! grep -q 'Verified' "$work/err" || fail "verified without --verify"
expect 1 program --port "$radio" --verify "$work/sent.dat"
grep -q 'error: Program to Radio: Verify Error!! first difference at address 0x0E00' "$work/err" ||
    fail "the difference is not named: $(tail -2 "$work/err")"
! grep -q 'Complete!!' "$work/err" || fail "a failed verify reported completion"

# No answer costs the read-back its three 10-second attempts; the other faults fail at once.
for fault in checksum address hangup silence; do
    startSim --fail-read-back "$fault"
    expect 1 program --port "$radio" --verify "$work/sent.dat"
    says "error: Program to Radio: Verify Error!! the read-back of address 0x0002 failed"
    ! grep -q 'Verified\|Complete!!' "$work/err" || fail "a failed read-back ($fault) passed"
done
stopSim

expect 1 program --port "$work/no-such-port" --verify "$work/sent.dat"
grep -q "$work/no-such-port: " "$work/err" || fail "the missing device is not named"
expect 2 read --port "$work/radio" --verify -o "$work/x.dat"
echo "program-verify: all checks passed"
