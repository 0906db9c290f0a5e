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

# A global.ini that cannot tell the RV7700A's ATIS and scrambler stops every verb that would
# write, check or program its data, naming the file and why; nothing is written.
cli export-csv "$work/a.dat" --list exp -o "$work/exp.csv"
ini=$work/folder/global.ini
while IFS='|' read -r kind reason; do
    rm -rf "$work/folder" "$work/new."*; mkdir "$work/folder"
    case $kind in
        empty) : > "$ini" ;;
        cut) printf '[model1]\nuse=1\natis=0\nscrambler=0\n[model2]\nuse=1\nat' > "$ini" ;;
        binary) head -c 300 "$work/a.txt" | tr 'a-z=[' '\000-\031' > "$ini" ;;
        folder) mkdir "$ini" ;;
    esac
    while IFS='|' read -r status args; do
        # shellcheck disable=SC2086
        expect "$status" $args --program-folder "$work/folder"
        grep -qx "Unknown model!!" "$work/err" || fail "$kind: $args: $(cat "$work/err")"
        says "$ini: $reason"
        ! ls "$work/new."* 2>/dev/null || fail "$kind: $args wrote $(ls "$work/new."*)"
        cmp -s "$work/a.dat" "$work/keep.dat" || fail "$kind: $args changed its input"
    done <<VERBS
1|convert $work/a.dat $work/new.hex
1|import-csv $work/a.dat $work/exp.csv -o $work/a.dat
1|report $work/a.dat -o $work/new.txt
1|export-csv $work/a.dat --list exp -o $work/new.csv
1|new --model RV7700A -o $work/new.dat
1|program --port $work/none --verify $work/a.dat
1|read --port $work/none --model RV7700A -o $work/new.dat
2|check $work/a.dat
2|diff $work/a.dat $work/a.dat
VERBS
done <<'KINDS'
missing|no such file
empty|the file is empty
cut|[model2] has no atis=
binary|[model2] has no atis=
folder|a folder
KINDS
echo "hostile-input: all checks passed"
