#!/usr/bin/env bash
# tq58-cli against inputs that are not settings files or images (each reader's own refusals
# are the files tests'): a FIFO, a device and a file larger than an image are refused before
# they are read, a missing file without a model, and no output may be the command's own input.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A -o "$work/a.dat"
mkfifo "$work/fifo.hex" "$work/fifo.dat"
truncate -s 64M "$work/huge.hex"

for input in fifo.hex huge.hex; do
    expect 1 dump "$work/$input"
    says "FileRead Error!!"
    says "cannot read $work/$input"
    [ ! -s "$work/out" ] || fail "dump of $input printed a dump"
done
expect 1 dump /dev/zero
says "not a regular file"

# A settings file that cannot be read says why after the program's message, with or without
# the model given.
while IFS='|' read -r input message reason; do
    for model in "" "--model RV7700A"; do
        # shellcheck disable=SC2086
        expect 1 convert "$work/$input" "$work/x.hex" $model
        grep -qx -- "$message" "$work/err" || fail "$input $model: no '$message' line"
        says "cannot read $work/$input: $reason"
    done
done <<'CASES'
missing.dat|FileRead Error!!|no such file
fifo.dat|FileRead Error!!|not a regular file
CASES

# A command never replaces its own input with something else, however the output is named.
cp "$work/a.dat" "$work/keep.dat"
ln -s "$work/a.dat" "$work/link.txt"
ln "$work/a.dat" "$work/hard.hex"
for args in "report $work/a.dat -o $work/a.dat" "report $work/a.dat -o $work/link.txt" \
            "convert $work/a.dat $work/hard.hex" "report $work/hard.hex -o $work/a.dat"; do
    # shellcheck disable=SC2086
    expect 2 $args
    cmp -s "$work/a.dat" "$work/keep.dat" || fail "$args changed its input"
done
expect 0 report "$work/a.dat" -o "$work/a.txt"
echo "hostile-input: all checks passed"
