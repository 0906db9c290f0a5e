#!/usr/bin/env bash
# Time and peak memory of tq58-cli import-csv refusing a CSV of just under 4 MB (the most a
# CSV may have) in which every row is refused: "x" names no channel of the list. Rows of two
# bytes make the most refusals that 4 MB can hold (two million).
# Build with -DCMAKE_BUILD_TYPE=Release first.
# Usage: bench/refused-import.sh [BINDIR]    (figures only; this is not a test)
set -euo pipefail
bin=${1:-$(cd "$(dirname "$0")/.." && pwd)/build-release/bin}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/tq58-cli" new --model RV7700A -o "$work/a.dat"
awk 'BEGIN {
    print "EXP CH"
    for (row = 0; size < 4 * 1024 * 1024 - 64; row++) {
        print "x"
        size += 2
    }
}' > "$work/refused.csv"
status=0
/usr/bin/time -f '%e %M' -o "$work/time" "$bin/tq58-cli" import-csv "$work/a.dat" \
    "$work/refused.csv" -o "$work/b.dat" 2> "$work/message" || status=$?
# time puts "Command exited with non-zero status 1" first.
read -r seconds kilobytes < <(tail -1 "$work/time")
echo "refused import of $(stat -c %s "$work/refused.csv") bytes ($(($(wc -l < "$work/refused.csv") - 1)) rows):"
echo "  exit status $status, $seconds s, peak memory $((kilobytes / 1024)) MB, message $(stat -c %s "$work/message") bytes"
