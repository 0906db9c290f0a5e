#!/usr/bin/env bash
# Start-up of the program as a user sees it, under Xvfb: the time from exec of tq58 to its
# main window being mapped, and its resident memory (VmRSS) once the window is shown.
# Prints every run and the medians. A scratch HOME keeps the user's settings out of it.
#   usage: bench/startup.sh [BIN_FOLDER] [RUNS]      (defaults: build/bin 5)
set -euo pipefail
bin=${1:-build/bin}
runs=${2:-5}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup.sh needs $tool" >&2; exit 2; }
done
[ -x "$bin/tq58" ] || { echo "no $bin/tq58: build first" >&2; exit 2; }

scratch=$(mktemp -d)
display=:$((200 + RANDOM % 300))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY=$display HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_RUNTIME_DIR=$scratch
export QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

times=()
memory=()
for run in $(seq "$runs"); do
    start=$EPOCHREALTIME
    "$bin/tq58" >/dev/null 2>&1 &
    app=$!
    # Poll every 10 ms for a viewable window of the process.
    until xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "tq58 ended before its window showed" >&2; exit 1; }
        sleep 0.01
    done
    end=$EPOCHREALTIME
    sleep 0.2 # the first paint
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    megabytes=$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')
    times+=("$seconds")
    memory+=("$megabytes")
    printf 'run %d: window mapped after %s s, VmRSS %s MB\n' "$run" "$seconds" "$megabytes"
done
printf 'median of %d runs: window mapped after %s s, VmRSS %s MB\n' "$runs" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memory[@]}" | median)"
