#!/usr/bin/env bash
# tq58-cli against inputs that are not settings files or images: folders, FIFOs, devices,
# oversized and missing files, absurd numbers, and an output that is the command's own input.
source "$(dirname "$0")/../support/e2e.sh" "$1"

cli new --model RV7700A -o "$work/a.dat"
cli convert "$work/a.dat" "$work/a.hex"
mkdir "$work/folder.hex" "$work/folder.dat"
mkfifo "$work/fifo.hex" "$work/fifo.dat"
truncate -s 64M "$work/huge.hex"
truncate -s 5M "$work/huge.dat"

# dump reads regular files of at most an image's size, and refuses anything else at once.
for input in folder.hex fifo.hex huge.hex missing.hex; do
    expect 1 dump "$work/$input"
    says "FileRead Error!!"
    says "cannot read $work/$input"
    [ ! -s "$work/out" ] || fail "dump of $input printed a dump"
done
expect 1 dump /dev/zero
says "not a regular file"
expect 0 dump "$work/a.hex"

# A settings file that cannot be read says why, after the program's message.
while IFS='|' read -r input message reason; do
    for model in "" "--model RV7700A"; do
        # shellcheck disable=SC2086
        expect 1 convert "$work/$input" "$work/x.hex" $model
        grep -qx -- "$message" "$work/err" || fail "$input $model: no '$message' line"
        says "cannot read $work/$input: $reason"
    done
done <<'EOF'
missing.dat|ModelType Error !!|no such file
folder.dat|FileRead Error!!|a folder
fifo.dat|FileRead Error!!|not a regular file
huge.dat|FileRead Error!!|larger than
EOF
expect 1 report "$work/folder.hex"
says "cannot read $work/folder.hex: a folder"

# A frequency the image cannot hold fails the image as any unstorable value does.
sed 's/^Rxfreq=.*/Rxfreq=1e15\r/' "$work/a.dat" > "$work/far.dat"
expect 1 convert "$work/far.dat" "$work/far.hex"
says "FileSave Error!!"
says "cannot store CHEXP[0].Rxfreq"
expect 0 convert "$work/far.dat" "$work/far2.dat"

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
