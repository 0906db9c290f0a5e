#!/usr/bin/env bash
# A radio that never acknowledges and one that goes away: tq58-cli says which in plain words
# and exits 1; a line that hangs up mid-read ends the read within two seconds; a port held by
# another read names it.
source "$(dirname "$0")/../support/e2e.sh" "$1"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config

# The silent radio's read takes the full time-outs (a minute); it runs meanwhile.
"$bin/tq58-radio-sim" --link "$work/silent" --model RV7700A --silent &
silentPid=$!
trap 'kill $silentPid 2>/dev/null; stopSim; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -L "$work/silent" ] && break; sleep 0.1; done
silentStatus=0
timeout 90 "$bin/tq58-cli" read --port "$work/silent" --model RV7700A -o "$work/silent.dat" \
    2> "$work/silent.err" &
silentRead=$!

startSim
"$bin/tq58-cli" read --port "$radio" --model RV7700A -o "$work/lost.dat" 2> "$work/err" &
readPid=$!
sleep 3
stopSim
stopped=$(date +%s%N)
status=0
wait "$readPid" || status=$?
took=$((($(date +%s%N) - stopped) / 1000000))
[ "$status" -eq 1 ] || fail "a read from a radio that went away exited $status"
[ "$took" -le 2000 ] || fail "the read went on for $took ms after the line hung up"
says "Communication Error!!"
says "The cable or its adapter on $radio went away"
[ ! -e "$work/lost.dat" ] || fail "a lost read wrote its output"

# A port that another program holds is told in the window's words, naming that program.
expect 1 read --port "$work/silent" --model RV7700A -o "$work/held.dat"
says "The serial port device $work/silent is in use by"
says "tq58-cli (process "
# A device named directly is no port number's device: no COM number in what is said.
expect 1 read --port "$work/none" --model RV7700A -o "$work/none.dat"
says "The serial port device $work/none does not exist."
! grep -q "COM" "$work/err" || fail "a named device was given a port number: $(cat "$work/err")"
wait "$silentRead" || silentStatus=$?
[ "$silentStatus" -eq 1 ] || fail "a read from a silent radio exited $silentStatus"
grep -q "Communication Error!!" "$work/silent.err" || fail "no message: $(cat "$work/silent.err")"
grep -q "The radio on $work/silent did not answer" "$work/silent.err" ||
    fail "the message does not say what happened: $(cat "$work/silent.err")"
echo "lost-radio: all checks passed"
