#!/usr/bin/env bash
# Times a full read and a program operation of the main window (the transfer dialog driven by
# tq58-gui-transfer-driver, OK pressed as a user would) against tq58-cli on the same
# tq58-radio-sim over a pseudo-terminal, runs alternating, and prints medians: wall times,
# their ratio, and the window process's processor share during the transfer.
# Usage: bench/gui-link-bench.sh [BINDIR] [RUNS]    (figures only; this is not a test)
set -euo pipefail
bin=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/bin}
runs=${2:-5}
work=$(mktemp -d)
simPid=
cleanup() {
    if [ -n "$simPid" ]; then kill "$simPid" 2>/dev/null || true; wait "$simPid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The window runs on a real X server when there is one to start, else off screen.
gui=("$bin/tq58-gui-transfer-driver")
if command -v xvfb-run >/dev/null; then
    gui=(xvfb-run -a -s "-screen 0 1024x768x24" "${gui[@]}")
else
    export QT_QPA_PLATFORM=offscreen
fi

"$bin/tq58-cli" new --model RV7200A -o "$work/image.hex" >/dev/null
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_sim() {
    rm -f "$work/radio"
    "$bin/tq58-radio-sim" --link "$work/radio" --baud "$1" 2>/dev/null &
    simPid=$!
    for _ in $(seq 50); do [ -L "$work/radio" ] && break; sleep 0.1; done
}
stop_sim() { kill "$simPid"; wait "$simPid" 2>/dev/null || true; simPid=; }

# Prints "wall_ms" of one tq58-cli run: the whole process, start-up included.
cli_run() {
    local verb=$1 args=(--port "$work/radio")
    if [ "$verb" = read ]; then args+=(-o "$work/out.hex"); else args+=("$work/image.hex"); fi
    /usr/bin/time -f '%e' -o "$work/time.txt" "$bin/tq58-cli" "$verb" "${args[@]}" 2>/dev/null
    awk '{ printf "%d\n", $1 * 1000 }' "$work/time.txt"
}

# Prints "transfer_wall_ms transfer_cpu_ms process_wall_ms" of one window run.
gui_run() {
    local verb=$1
    /usr/bin/time -f '%e' -o "$work/time.txt" "${gui[@]}" "$verb" "$work/radio" RV7200A \
        > "$work/gui.txt" 2>/dev/null
    echo "$(cat "$work/gui.txt") $(awk '{ printf "%d", $1 * 1000 }' "$work/time.txt")"
}

report() {
    local baud=$1 verb=$2
    : > "$work/cli.txt"; : > "$work/guiruns.txt"
    for _ in $(seq "$runs"); do
        start_sim "$baud"; cli_run "$verb" >> "$work/cli.txt"; stop_sim
        start_sim "$baud"; gui_run "$verb" >> "$work/guiruns.txt"; stop_sim
    done
    local cli transfer cpu process
    cli=$(median < "$work/cli.txt")
    transfer=$(cut -d' ' -f1 "$work/guiruns.txt" | median)
    cpu=$(awk '{ print 1000 * $2 / $1 }' "$work/guiruns.txt" | median)
    process=$(cut -d' ' -f3 "$work/guiruns.txt" | median)
    awk -v v="$verb" -v b="${baud/#0/-}" -v c="$cli" -v t="$transfer" -v p="$process" -v u="$cpu" \
        'BEGIN { printf "%-8s %6s  cli %6d ms  window: transfer %6d ms (%.3f of cli), process %6d ms (%.3f), cpu %.1f%%\n",
                 v, b, c, t, t / c, p, p / c, u / 10 }'
}

echo "main window against tq58-cli on tq58-radio-sim, median of $runs alternating runs"
echo "op       baud"
report 0 read
report 0 program
report 57600 read
report 57600 program
