#!/usr/bin/env bash
# Start-up of the program as a user sees it, under Xvfb, beside another Qt Widgets program
# started the same way in the same run: the time from exec to the main window being mapped,
# the CPU time used until then, and the resident memory (VmRSS) once the window is shown.
# Two starts of tq58: an ordinary one (a stored window placement) and a first one (none, so
# the window measures its first size). Each round runs the three once, one after another,
# so that they share the machine's load; prints every run, the medians and the ratios of
# tq58's medians to the other program's. Then, when strace is there, one start of each under
# strace: its file look-ups (every file system call until the window shows) and how many of them
# went into icon folders. A scratch HOME keeps the user's settings out of it.
#   usage: bench/startup.sh [BIN_FOLDER] [RUNS] [OTHER_PROGRAM]
#   defaults: build/bin 5 /usr/lib/qt6/bin/linguist (Qt Linguist, Debian's linguist-qt6)
set -euo pipefail
bin=${1:-build/bin}
runs=${2:-5}
other=${3:-/usr/lib/qt6/bin/linguist}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup.sh needs $tool" >&2; exit 2; }
done
[ -x "$bin/tq58" ] || { echo "no $bin/tq58: build first" >&2; exit 2; }
[ -x "$other" ] || { echo "no $other to compare with (apt-get install linguist-qt6)" >&2; exit 2; }

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
settings=$XDG_CONFIG_HOME/TQ58/TQ58.ini

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fail() {
    echo "$1" >&2
    cat "$scratch/app.log" >&2
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb ended:" >&2; cat "$scratch/xvfb.log" >&2; }
    exit 1
}

# A placement as a closed window leaves it (in twips, 15 to a pixel): 800 x 600 at 100, 50.
store_placement() {
    mkdir -p "$(dirname "$settings")"
    printf '[Settings]\nMainLeft=1500\nMainTop=750\nMainWidth=12000\nMainHeight=9000\n' \
        >"$settings"
}

declare -A times cpus memory
# One start of a program: "seconds cpu_seconds rss_mb" of the run, in the arrays under KIND.
measure() {
    local kind=$1 start end polls cpu rss
    shift
    start=$EPOCHREALTIME
    "$@" >"$scratch/app.log" 2>&1 &
    app=$!
    # Poll every 10 ms for a viewable window of the process.
    polls=0
    until timeout 2 xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || fail "$kind ended before its window showed:"
        polls=$((polls + 1))
        [ "$polls" -lt 2000 ] || fail "$kind: no window after 20 s:"
        sleep 0.01
    done
    end=$EPOCHREALTIME
    # CPU time so far, all its threads (their run times in ns): on a busy machine the wall time
    # also counts the waits for a core.
    cpu=$(cat /proc/"$app"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { print ns / 1e9 }')
    sleep 0.2 # the first paint
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    times[$kind]+="$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }') "
    cpus[$kind]+="$(printf '%.3f' "$cpu") "
    memory[$kind]+="$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }') "
}

last() { local values=($1); echo "${values[-1]}"; }
medianOf() { printf '%s\n' $1 | median; }
kinds=(ordinary first other)
for run in $(seq "$runs"); do
    store_placement
    measure ordinary "$bin/tq58"
    rm -f "$settings"
    measure first "$bin/tq58"
    # The other program's settings go too: it starts as on a first start each time.
    rm -rf "$XDG_CONFIG_HOME/QtProject"
    measure other "$other"
    for kind in "${kinds[@]}"; do
        printf 'run %d %-8s: window mapped after %s s (CPU %s s), VmRSS %s MB\n' "$run" "$kind" \
            "$(last "${times[$kind]}")" "$(last "${cpus[$kind]}")" "$(last "${memory[$kind]}")"
    done
done
echo "other: $other"
for kind in "${kinds[@]}"; do
    printf 'median of %d runs, %-8s: window mapped after %s s (CPU %s s), VmRSS %s MB\n' "$runs" \
        "$kind" "$(medianOf "${times[$kind]}")" "$(medianOf "${cpus[$kind]}")" \
        "$(medianOf "${memory[$kind]}")"
done
for kind in ordinary first; do
    awk -v kind="$kind" -v t="$(medianOf "${times[$kind]}")" -v o="$(medianOf "${times[other]}")" \
        -v c="$(medianOf "${cpus[$kind]}")" -v oc="$(medianOf "${cpus[other]}")" \
        'BEGIN { printf "%-8s start / other: %.2f x the time, %.2f x the CPU\n", kind, t / o, c / oc }'
done

# One start under strace: "KIND: N file look-ups, M in icon folders".
count_lookups() {
    local kind=$1 tracer polls=0
    shift
    strace -f -qq -e trace=%file -o "$scratch/strace.log" "$@" >"$scratch/app.log" 2>&1 &
    tracer=$!
    app=
    until [ -n "$app" ] && timeout 2 xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; do
        kill -0 "$tracer" 2>/dev/null || fail "$kind ended under strace before its window showed:"
        polls=$((polls + 1))
        [ "$polls" -lt 2000 ] || fail "$kind: no window after 20 s under strace:"
        sleep 0.01
        app=$(pgrep -P "$tracer" | head -n 1 || true)
    done
    kill "$app"
    wait "$tracer" 2>/dev/null || true
    app=
    printf '%-8s: %6d file look-ups, %6d in icon folders\n' "$kind" \
        "$(wc -l <"$scratch/strace.log")" "$(grep -c '/icons/' "$scratch/strace.log" || true)"
}
if command -v strace >/dev/null; then
    store_placement
    count_lookups ordinary "$bin/tq58"
    rm -f "$settings"
    count_lookups first "$bin/tq58"
    rm -rf "$XDG_CONFIG_HOME/QtProject"
    count_lookups other "$other"
fi
