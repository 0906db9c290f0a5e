#!/usr/bin/env bash
# The simulated radio without an image holds its model's factory image of a destination (USA
# unless told), which a read brings back whole and without values TQ58 does not offer. Values
# the window does not offer, and priority channels that are off, survive a settings file.
source "$(dirname "$0")/../support/e2e.sh" "$1"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config

for destination in USA INTL; do
    cli new --model RV7700A --destination "$destination" -o "$work/$destination.hex"
done
startSim
expect 0 read --port "$radio" --model RV7700A -o "$work/read.hex"
! grep -q 'does not offer' "$work/err" || fail "a factory radio holds values TQ58 does not offer"
expect 0 diff "$work/read.hex" "$work/USA.hex"
startSim --destination INTL
expect 0 read --port "$radio" --model RV7700A -o "$work/intl.hex"
expect 0 diff "$work/intl.hex" "$work/INTL.hex"
expect 1 diff "$work/intl.hex" "$work/USA.hex"
stopSim
"$bin/tq58-radio-sim" --link "$work/none" --destination NOWHERE 2> "$work/err" &&
    fail "the simulator started without a factory image"
says "no factory image of destination NOWHERE"

# A radio with an offset time beyond the list (+14:00 at 0x002B) says so once, and keeps it
# through a settings file, a program and a read.
cp "$work/read.hex" "$work/odd.hex"
printf '\174' | dd of="$work/odd.hex" bs=1 seek=43 conv=notrunc status=none
startSim --image "$work/odd.hex"
expect 0 read --port "$radio" --model RV7700A -o "$work/odd.dat"
says "note: 1 setting holds a value TQ58 does not offer; it is kept unless you change it"
expect 0 program --port "$radio" "$work/odd.dat"
expect 0 read --port "$radio" --model RV7700A -o "$work/again.hex"
expect 0 diff "$work/odd.hex" "$work/again.hex"
stopSim

# Priority channels off: 0xFF 0xFF for each of the three plans at 0x0046.
# The image is saved once so that its header checksum covers the change.
cp "$work/read.hex" "$work/edited.hex"
printf '\377\377\377\377\377\377' | dd of="$work/edited.hex" bs=1 seek=70 conv=notrunc status=none
cli convert "$work/edited.hex" "$work/off.hex"
cli convert "$work/off.hex" "$work/off.dat"
expect 0 diff "$work/off.hex" "$work/off.dat"
[ "$(grep -c '^Priority CH[012]=65535' "$work/off.dat")" -eq 3 ] || fail "no priority is not 65535"
cli convert "$work/off.dat" "$work/back.hex"
cmp "$work/off.hex" "$work/back.hex" || fail "the image changed through the settings file"
echo "factory-radio: all checks passed"
