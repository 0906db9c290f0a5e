# Sourced by the end-to-end scripts with the program folder as its argument: a scratch folder
# $work, removed on exit after the simulated radio, if one was started, has stopped.
set -euo pipefail
bin=$1
work=$(mktemp -d)
simPid=
stopSim() {
    if [ -n "$simPid" ]; then kill "$simPid" 2>/dev/null || true; wait "$simPid" 2>/dev/null || true; fi
    simPid=
}
trap 'stopSim; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cli() { "$bin/tq58-cli" "$@"; }
# Runs tq58-cli expecting the exit status given first, with a time limit (a blocked read must
# not hang the suite); its output goes to $work/out, its errors to $work/err.
expect() {
    local want=$1 status=0
    shift
    timeout 60 "$bin/tq58-cli" "$@" > "$work/out" 2> "$work/err" || status=$?
    [ "$status" -eq "$want" ] || fail "tq58-cli $* exited $status, not $want: $(tail -3 "$work/err")"
}
says() { grep -qF -- "$1" "$work/err" || fail "no '$1' in: $(cat "$work/err")"; }
# Starts a simulated RV7700A on the pseudo-terminal $radio; arguments go to the simulator.
startSim() {
    stopSim
    radio=$work/radio
    "$bin/tq58-radio-sim" --link "$radio" --model RV7700A "$@" &
    simPid=$!
    for _ in $(seq 50); do [ -L "$radio" ] && break; sleep 0.1; done
    [ -L "$radio" ] || fail "the simulator did not create $radio"
}
