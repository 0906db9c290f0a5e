#!/usr/bin/env bash
# Start-up of the program as a user sees it, under Xvfb: the time from exec of tq58 to its
# main window being mapped, the CPU time it used until then, and its resident memory (VmRSS)
# once the window is shown. Prints every run and the medians. A scratch HOME keeps the user's
# settings out of it.
#   usage: bench/startup.sh [BIN_FOLDER] [RUNS]      (defaults: build/bin 5)
set -euo pipefail
bin=${1:-build/bin}
runs=${2:-5}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup.sh needs $tool" >&2; exit 2; }
done
[ -x "$bin/tq58" ] || { echo "no $bin/tq58: build first" >&2; exit 2; }

scratch=$(mktemp -d)
xvfb=
app=
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own, away from the low numbers other sessions use.
start_xvfb() {
    local attempt display
    for attempt in $(seq 10); do
        display=$((500 + RANDOM % 500))
        [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
        # -noreset: a server that resets as its last client leaves refuses the next one.
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
        xvfb=$!
        for _ in $(seq 100); do
            if DISPLAY=":$display" timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1; then
                export DISPLAY=":$display"
                return 0
            fi
            kill -0 "$xvfb" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        xvfb=
    done
    return 1
}
start_xvfb || { echo "Xvfb did not start:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_RUNTIME_DIR=$scratch
export QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fail() {
    echo "$1" >&2
    cat "$scratch/tq58.log" >&2
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb ended:" >&2; cat "$scratch/xvfb.log" >&2; }
    exit 1
}

times=()
cpus=()
memory=()
hz=$(getconf CLK_TCK)
for run in $(seq "$runs"); do
    start=$EPOCHREALTIME
    "$bin/tq58" >"$scratch/tq58.log" 2>&1 &
    app=$!
    # Poll every 10 ms for a viewable window of the process.
    polls=0
    until timeout 2 xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || fail "tq58 ended before its window showed:"
        polls=$((polls + 1))
        [ "$polls" -lt 2000 ] || fail "no window after 20 s:"
        sleep 0.01
    done
    end=$EPOCHREALTIME
    # CPU time so far (user + system): on a busy machine the wall time also counts the waits
    # for a core.
    ticks=$(awk '{ print $14 + $15 }' "/proc/$app/stat")
    sleep 0.2 # the first paint
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')")
    cpus+=("$(awk -v t="$ticks" -v hz="$hz" 'BEGIN { printf "%.2f", t / hz }')")
    memory+=("$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')")
    printf 'run %d: window mapped after %s s (CPU %s s), VmRSS %s MB\n' "$run" "${times[-1]}" \
        "${cpus[-1]}" "${memory[-1]}"
done
printf 'median of %d runs: window mapped after %s s (CPU %s s), VmRSS %s MB\n' "$runs" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${cpus[@]}" | median)" \
    "$(printf '%s\n' "${memory[@]}" | median)"
