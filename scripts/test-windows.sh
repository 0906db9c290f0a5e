#!/usr/bin/env bash
# Tests the Windows build of scripts/build-windows.sh under wine, against the Linux build in
# build/ (./test.sh or ./run.sh makes it). Not part of ./test.sh or .ci/run: the first Qt build
# for Windows takes well over an hour.
#   scripts/test-windows.sh [OUTPUT-FOLDER]      (default build-windows/test-output)
#   TQ58_WINDOWS_BIN=DIR scripts/test-windows.sh (the programs of DIR, an unpacked zip say)
# The programs tested are those of the zip build-windows.sh made.
# 1. the core GoogleTest programs under wine;
# 2. tq58-cli.exe gives the Linux tq58-cli's bytes for new, convert, report, export-csv, diff,
#    check, also for names with blanks and letters beyond ASCII;
# 3. the serial port end to end: tq58-radio-sim on a pseudo-terminal that wine maps to COM5;
# 4. tq58.exe shows its main window with the tree on Xvfb (a screenshot in the output folder).
# A part whose programs are not built yet is skipped and said so; the exit status is 1 when
# anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-windows
linux=$top/build/bin
out=${1:-$build/test-output}
wine_run=$top/scripts/wine-run.sh
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/tq58/wine}" WINEDEBUG=-all LANG=C.UTF-8
passed=0 failed=0 skipped=0

pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
skip() { echo "SKIP: $*"; skipped=$((skipped + 1)); }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
simPid=
stopSim() {
    if [ -n "$simPid" ]; then kill "$simPid" 2>/dev/null; wait "$simPid" 2>/dev/null; fi
    simPid=
}
trap 'stopSim; rm -rf "$work"' EXIT

# The programs as they ship: the zip, unpacked into the output folder (the DLLs the programs
# load are only there). TQ58_WINDOWS_BIN names another folder of the programs.
# The test programs: a full build (with Qt) has them; before Qt, the core build has them.
zip=$(ls "$build"/TQ58-*-win64.zip 2>/dev/null | head -n1)
if [ -z "${TQ58_WINDOWS_BIN:-}" ] && [ -n "$zip" ]; then
    unzip -q "$zip" -d "$out/unpacked"
    TQ58_WINDOWS_BIN=$(ls -d "$out"/unpacked/TQ58-*-win64)
fi
win_bin=${TQ58_WINDOWS_BIN:-}
[ -f "$win_bin/tq58-cli.exe" ] || win_bin=
tests_bin=$build/tq58/bin
ls "$tests_bin"/tq58-test-*.exe >/dev/null 2>&1 || tests_bin=$build/core/bin

# A wine server that outlives each program for a minute keeps every start quick.
wineserver -p 60 2>/dev/null
"$wine_run" cmd /c exit >/dev/null 2>&1

echo "== 1. core tests under wine ($tests_bin)"
cases=0
if ! ls "$tests_bin"/tq58-test-*.exe >/dev/null 2>&1; then
    skip "no core test programs: run scripts/build-windows.sh --core-only"
fi
for program in "$tests_bin"/tq58-test-*.exe; do
    [ -f "$program" ] || continue
    name=$(basename "$program" .exe)
    (cd "$tests_bin" && "$wine_run" "./$name.exe" --gtest_color=no) >"$out/$name.txt" 2>&1
    status=$?
    count=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$out/$name.txt")
    if [ "$status" -eq 0 ] && [ -n "$count" ]; then
        cases=$((cases + count))
        pass "$name: $count cases"
    else
        fail "$name (exit $status): $(grep -E '^\[  FAILED  \]' "$out/$name.txt" | head -5)"
    fi
done
echo "core test cases passed under wine: $cases"

echo "== 2. tq58-cli.exe against the Linux tq58-cli"
# Runs one command with both programs in their own folder of the same inputs; the exit
# status, standard output and every file made must be the same bytes.
same() { # label command...
    local label=$1 status_linux status_wine
    shift
    (cd "$work/linux" && "$linux/tq58-cli" "$@" >stdout 2>stderr)
    status_linux=$?
    (cd "$work/wine" && "$wine_run" "$win_bin/tq58-cli.exe" "$@" >stdout 2>stderr)
    status_wine=$?
    if [ "$status_linux" -ne "$status_wine" ]; then
        fail "$label: exit $status_wine under wine, $status_linux on Linux: $(head -3 "$work/wine/stderr")"
    elif ! diff -r "$work/linux" "$work/wine" >"$out/cli-$label.diff" 2>&1; then
        fail "$label: different bytes (see $out/cli-$label.diff)"
    else
        pass "$label (exit $status_wine)"
        rm -f "$out/cli-$label.diff"
    fi
}
if [ -z "$win_bin" ] || [ ! -x "$linux/tq58-cli" ]; then
    skip "tq58-cli.exe or the Linux tq58-cli is not built"
else
    mkdir -p "$work/linux" "$work/wine"
    # Inputs that differ from new data, so that diff and check have something to say.
    "$linux/tq58-cli" new --model RV7700A --destination USA -o "$work/base.dat"
    sed -e 's/^User MMSI=.*/User MMSI=#366123456/' -e 's/^Offset Time=.*/Offset Time=5/' \
        "$work/base.dat" >"$work/edited.dat"
    for folder in linux wine; do
        cp "$work/base.dat" "$work/edited.dat" "$work/$folder/"
        mkdir -p "$work/$folder/Zoë Documents"
        cp "$work/edited.dat" "$work/$folder/Zoë Documents/Boot 1 Łódź.DAT"
    done
    same new-dat new --model RV7700A --destination USA -o new.dat
    same new-hex new --model RV7200A -o new.hex
    same convert-to-hex convert edited.dat edited.hex
    same convert-to-dat convert edited.hex back.dat
    same report-stdout report edited.dat
    same report-file report edited.hex -o report.txt
    same export-csv-exp export-csv edited.dat --list exp
    same export-csv-individual export-csv edited.dat --list individual -o individual.csv
    same diff diff base.dat edited.hex
    same check check edited.dat
    same names-beyond-ascii convert "Zoë Documents/Boot 1 Łódź.DAT" "Zoë Documents/Boot 1 Łódź.hex"
    same names-report report "Zoë Documents/Boot 1 Łódź.hex" -o "Zoë Documents/Bericht ä.txt"
fi

echo "== 3. the serial port through wine's COM5"
startSim() {
    stopSim
    rm -f "$work/radio"
    "$linux/tq58-radio-sim" --link "$work/radio" --model RV7700A "$@" &
    simPid=$!
    for _ in $(seq 50); do [ -L "$work/radio" ] && break; sleep 0.1; done
}
if [ -z "$win_bin" ] || [ ! -x "$linux/tq58-radio-sim" ]; then
    skip "tq58-cli.exe or the Linux tq58-radio-sim is not built"
else
    mkdir -p "$work/serial"
    ln -sfn "$work/radio" "$WINEPREFIX/dosdevices/com5"
    export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
    "$linux/tq58-cli" new --model RV7700A -o "$work/serial/radio.hex"
    printf 'KX417Q\377' | dd of="$work/serial/radio.hex" bs=1 seek=1056 conv=notrunc status=none
    localappdata=$("$wine_run" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
    backups=$(WINEDEBUG=-all winepath -u "$localappdata\\TQ58\\backups" 2>/dev/null)
    backups_before=$(find "$backups" -name '*.hex' 2>/dev/null | wc -l)

    startSim --image "$work/serial/radio.hex"
    started=$(now_ms)
    "$linux/tq58-cli" read --port "$work/radio" --model RV7700A -o "$work/serial/linux.hex" \
        2>"$out/serial-linux-read.txt"
    linux_ms=$(($(now_ms) - started))
    startSim --image "$work/serial/radio.hex"
    started=$(now_ms)
    (cd "$work/serial" && "$wine_run" "$win_bin/tq58-cli.exe" read --port 5 --model RV7700A \
        -o wine.hex) 2>"$out/serial-wine-read.txt"
    status=$?
    wine_ms=$(($(now_ms) - started))
    if [ "$status" -eq 0 ] && cmp -s "$work/serial/linux.hex" "$work/serial/wine.hex"; then
        pass "read --port 5: the Linux CLI's image ($wine_ms ms under wine, $linux_ms ms on Linux)"
    else
        fail "read --port 5 (exit $status): $(tail -3 "$out/serial-wine-read.txt")"
    fi
    backups_after=$(find "$backups" -name '*.hex' 2>/dev/null | wc -l)
    if [ "$backups_after" -eq $((backups_before + 1)) ]; then
        pass "the read's backup is under %LOCALAPPDATA%\\TQ58\\backups"
    else
        fail "no new backup in $backups ($backups_before before, $backups_after after)"
    fi

    # Programming: what the radio holds afterwards, read back on Linux, is what the Linux
    # CLI's programming leaves.
    cp "$work/edited.dat" "$work/serial/sent.dat"
    startSim --image "$work/serial/radio.hex"
    "$linux/tq58-cli" program --port "$work/radio" --confirm-mmsi 366123456 --verify \
        "$work/serial/sent.dat" 2>/dev/null
    "$linux/tq58-cli" read --port "$work/radio" --model RV7700A -o "$work/serial/by-linux.hex" 2>/dev/null
    startSim --image "$work/serial/radio.hex"
    (cd "$work/serial" && "$wine_run" "$win_bin/tq58-cli.exe" program --port COM5 --verify \
        --confirm-mmsi 366123456 sent.dat) 2>"$out/serial-wine-program.txt"
    status=$?
    "$linux/tq58-cli" read --port "$work/radio" --model RV7700A -o "$work/serial/by-wine.hex" 2>/dev/null
    if [ "$status" -eq 0 ] && grep -q "Verified" "$out/serial-wine-program.txt" &&
        cmp -s "$work/serial/by-linux.hex" "$work/serial/by-wine.hex"; then
        pass "program --port COM5 --verify: verified, and the radio holds what Linux programs"
    else
        fail "program --verify (exit $status): $(tail -3 "$out/serial-wine-program.txt")"
    fi

    # The radio goes away in the middle of a read.
    startSim --image "$work/serial/radio.hex"
    (cd "$work/serial" && timeout 180 "$wine_run" "$win_bin/tq58-cli.exe" read \
        --port '\\.\COM5' --model RV7700A -o lost.hex) 2>"$out/serial-wine-lost.txt" &
    reader=$!
    sleep 4
    stopSim
    stopped=$(now_ms)
    status=0
    wait "$reader" || status=$?
    took=$(($(now_ms) - stopped))
    # At once, not after the link's time-outs (seconds each).
    if [ "$status" -eq 1 ] && [ "$took" -le 3000 ] &&
        grep -q "Communication Error!!" "$out/serial-wine-lost.txt" &&
        grep -q "went away" "$out/serial-wine-lost.txt" && [ ! -e "$work/serial/lost.hex" ]; then
        pass "a radio stopped mid-read: the cable-went-away message after $took ms"
    else
        fail "a radio stopped mid-read (exit $status, $took ms): $(tail -3 "$out/serial-wine-lost.txt")"
    fi
    rm -f "$WINEPREFIX/dosdevices/com5"

    # A port that names no device is told so at once.
    (cd "$work/serial" && "$wine_run" "$win_bin/tq58-cli.exe" read --port COM9 \
        --model RV7700A -o none.hex) 2>"$out/serial-wine-missing.txt"
    status=$?
    if [ "$status" -eq 1 ] && grep -q "No such serial port" "$out/serial-wine-missing.txt"; then
        pass "a port without a device: \"$(head -n1 "$out/serial-wine-missing.txt")\""
    else
        fail "a port without a device (exit $status): $(tail -3 "$out/serial-wine-missing.txt")"
    fi
fi

echo "== 4. tq58.exe on Xvfb"
if [ -z "$win_bin" ] || [ ! -f "$win_bin/tq58.exe" ]; then
    skip "tq58.exe is not built"
else
    shot=$out/tq58-main-window.png
    # The wine server of the parts before has no display: the window needs one started on Xvfb.
    wineserver -k 2>/dev/null
    xvfb-run -a -s '-screen 0 1366x768x24' bash -c '
        "$1" "$2" &
        for _ in $(seq 60); do
            window=$(xdotool search --onlyvisible --name "TQ58" 2>/dev/null | head -n1)
            [ -n "$window" ] && break
            sleep 0.5
        done
        [ -n "$window" ] || exit 3
        sleep 2
        import -window root "$3"
        xdotool getwindowname "$window" >"$4"
        # A page too: the tree opened by keys at its first setting.
        xdotool windowfocus --sync "$window" key Right Down
        sleep 2
        import -window root "$5"
        kill %1' _ "$wine_run" "$win_bin/tq58.exe" "$shot" "$out/tq58-window-title.txt" \
        "$out/tq58-first-page.png" \
        >"$out/tq58-gui.txt" 2>&1
    status=$?
    if [ "$status" -eq 0 ] && [ -s "$shot" ]; then
        pass "tq58.exe shows \"$(cat "$out/tq58-window-title.txt")\" (look at $shot and tq58-first-page.png)"
    else
        fail "tq58.exe showed no main window within 30 s (exit $status)"
    fi
fi

echo "== passed $passed, failed $failed, skipped $skipped (output in $out)"
[ "$failed" -eq 0 ]
