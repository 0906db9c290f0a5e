#!/usr/bin/env bash
# Times a full read and a program operation of tq58-cli against tq58-radio-sim over a
# pseudo-terminal, and sets them against the floor the protocol's own pauses impose.
# Usage: bench/link-bench.sh [BINDIR] [RUNS]    (figures only; this is not a test)
set -euo pipefail
bin=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/bin}
runs=${2:-3}
work=$(mktemp -d)
simPid=
cleanup() {
    if [ -n "$simPid" ]; then kill "$simPid" 2>/dev/null || true; wait "$simPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The floor, in ms: 10 ms before every output of the PC, 1000 ms after the speed switch,
# 500 ms at the end. Outputs of the link start: probe, "0", "ACMD:002", "#CMDSY" twice; the
# status request and its acknowledgement; three check blocks with their acknowledgements.
startOutputs=$((5 + 2 + 3 * 2))
readFloor=$(( (startOutputs + 512 * 2) * 10 + 1000 + 500 ))
# 62 single-byte writes, 407 block writes and 104 empty 64-byte steps that only pause.
programFloor=$(( (startOutputs + 62 + 407 + 104) * 10 + 1000 + 500 ))

"$bin/tq58-cli" new --model RV7200A -o "$work/image.hex" >/dev/null

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One timed run with a fresh simulator; prints "wall_ms cpu_ms wire_bytes".
timed_run() {
    local baud=$1 verb=$2
    "$bin/tq58-radio-sim" --link "$work/radio" --baud "$baud" --stats 2> "$work/sim.err" &
    simPid=$!
    for _ in $(seq 50); do [ -L "$work/radio" ] && break; sleep 0.1; done
    local args=(--port "$work/radio")
    if [ "$verb" = read ]; then args+=(-o "$work/out.hex"); else args+=("$work/image.hex"); fi
    /usr/bin/time -f '%e %U %S' -o "$work/time.txt" "$bin/tq58-cli" "$verb" "${args[@]}" 2>/dev/null
    kill "$simPid"; wait "$simPid" 2>/dev/null || true; simPid=
    local bytes
    bytes=$(sed -n 's/.*bytes in \([0-9]*\), bytes out \([0-9]*\).*/\1 \2/p' "$work/sim.err" |
            awk '{ print $1 + $2 }')
    awk -v b="$bytes" '{ printf "%d %d %d\n", $1 * 1000, ($2 + $3) * 1000, b }' "$work/time.txt"
}

report() {
    local baud=$1 verb=$2 floor=$3
    : > "$work/runs.txt"
    for _ in $(seq "$runs"); do timed_run "$baud" "$verb" >> "$work/runs.txt"; done
    local wall cpu bytes wire bound
    wall=$(cut -d' ' -f1 "$work/runs.txt" | median)
    cpu=$(cut -d' ' -f2 "$work/runs.txt" | median)
    bytes=$(cut -d' ' -f3 "$work/runs.txt" | median)
    wire=0
    if [ "$baud" -gt 0 ]; then wire=$(( bytes * 10 * 1000 / baud )); fi
    bound=$((floor + wire))
    awk -v v="$verb" -v baud="$baud" -v w="$wall" -v f="$floor" -v wi="$wire" -v b="$bound" -v c="$cpu" \
        'BEGIN { printf "%-8s %6s  wall %6d ms  floor %6d ms  wire %6d ms  wall/(floor+wire) %.3f  cpu %5d ms (%.1f%% of wall)\n",
                 v, (baud ? baud : "-"), w, f, wi, w / b, c, 100 * c / w }'
}

echo "tq58-cli against tq58-radio-sim, median of $runs runs"
echo "op       baud"
report 0 read "$readFloor"
report 0 program "$programFloor"
report 57600 read "$readFloor"
report 57600 program "$programFloor"
