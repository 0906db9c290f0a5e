#!/usr/bin/env bash
# tq58-cli new with destinations and convert between settings files and images.
source "$(dirname "$0")/../support/e2e.sh" "$1"
# The value of KEY in section SECTION of a settings file.
value_of() { tr -d '\r' < "$1" | awk -v s="[$2]" -v k="$3=" \
    '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && index($0, k) == 1 {print substr($0, length(k) + 1); exit}'; }

cli new --model RV7700A --destination USA -o "$work/a.dat"
cli convert "$work/a.dat" "$work/a.hex"
cli convert "$work/a.hex" "$work/b.dat"
cmp -s "$work/a.dat" "$work/b.dat" || fail "a.dat and b.dat differ"
[ "$(value_of "$work/a.dat" MAIN MODELTYPE)" = 2 ] || fail "MODELTYPE of a.dat"
grep -q '^Scramble=' "$work/a.dat" && grep -q '^\[ATIS Setup' "$work/a.dat" || fail "RV7700A lacks ATIS or scrambler"

# Destinations differ and are matched without regard to case.
cli new --model RV7700A --destination intl -o "$work/intl.hex"
cli convert "$work/intl.hex" "$work/intl.dat"
[ "$(value_of "$work/intl.dat" "Usable CH Group Setup" USA)" = 0 ] || fail "INTL offers USA"
[ "$(value_of "$work/intl.dat" "Usable CH Group Setup" INTL)" = 1 ] || fail "INTL lacks INTL"
# The shipped global.ini gives the RV7200A neither ATIS nor the scrambler; its file still keeps
# what the radio holds of them.
cli new --model RV7200A --destination CAN -o "$work/small.dat"
grep -q '^\[ATIS Setup' "$work/small.dat" && grep -q '^Scramble=' "$work/small.dat" ||
    fail "the RV7200A file lost its ATIS bytes or scrambler codes"
# An image of 7700 is an RV7700A unless told otherwise.
cli convert "$work/a.hex" "$work/m.dat" --model RV7700AM
[ "$(value_of "$work/m.dat" MAIN MODELTYPE)" = 11 ] || fail "RV7700AM MODELTYPE"
[ "$(value_of "$work/m.dat" MAIN MODEL)" = "#RV7700AM" ] || fail "RV7700AM MODEL"
cli new --model RV7700AM --destination USA-M -o "$work/m2.hex"

# Another program folder: a global.ini without default images offers no destination.
mkdir "$work/folder"
cp "$bin/global.ini" "$work/folder"
expect 1 new --model RV7700A --destination USA -o "$work/x.dat" --program-folder "$work/folder"
grep -q 'IniFileRead Error!!' "$work/err" || fail "missing destination message"

# File names are the bytes given, UTF-8 or not; a device name must be text.
for name in $'caf\xe9' $'\xff\xfe' $'a\x80b' $'\xc3' $'\xed\xa0\x80' $'plain \xe2\x82\xac'; do
    expect 0 convert "$work/a.dat" "$work/$name.hex"
    expect 0 report "$work/$name.hex" -o "$work/$name.txt"
    expect 0 diff "$work/a.dat" "$work/$name.hex"
    rm "$work/$name.hex" "$work/$name.txt" || fail "convert or report wrote another name"
done
expect 2 read --port $'/dev/tty\xe9' --model RV7700A -o "$work/x.dat"
says "is not UTF-8 text"

# Failures: the program's message, status 1 (2 for usage), and no output.
expect 1 convert "$work/a.dat" "$work/x.hex" --model RV7200A
grep -qx 'ModelType Error !!' "$work/err" || fail "model mismatch message"
says "$work/a.dat is for the RV7700A; --model names the RV7200A"
printf 'notes\n' > "$work/notes.dat"
expect 1 convert "$work/notes.dat" "$work/x.hex"
says "notes.dat is not a TQ58 settings file: it has no [MAIN] section"
cli new --help | grep -q '^  RV7700A: .*USA' || fail "new --help lists no destinations"
head -c 32767 "$work/a.hex" > "$work/short.hex"
expect 1 convert "$work/short.hex" "$work/x.dat"
grep -qx 'bad file!!' "$work/err" || fail "short image message"
expect 1 convert "$work/a.dat" "$work/x.txt"
expect 2 convert "$work/a.dat"
mkdir "$work/taken.dat"
expect 1 convert "$work/a.hex" "$work/taken.dat"
grep -qx 'FileSave Error!!' "$work/err" || fail "save failure message"
[ -z "$(ls "$work" | grep -e '^x\.' -e '\.tmp$')" ] || fail "a failed command left a file"
echo "files-convert: all checks passed"
