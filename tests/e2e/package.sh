#!/usr/bin/env bash
# The Debian package of this build: made with cpack in a scratch folder, unpacked with dpkg -x
# into a scratch root, where the installed programs find their program folder and write
# nothing into the installed tree.
source "$(dirname "$0")/../support/e2e.sh" "$1"
build=$(dirname "$bin")
data=$(cd "$(dirname "$0")/../../data" && pwd)

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$work/cpack.log")"
debs=("$work"/out/tq58_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "not one package: ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins libstdc++6; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
for file in bin/tq58 bin/tq58-cli bin/tq58-radio-sim share/tq58/global.ini share/tq58/mid.tsv \
            share/applications/tq58.desktop; do
    [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
for program in tq58 tq58-cli tq58-radio-sim; do
    ! ldd "$usr/bin/$program" | grep 'not found' || fail "$program misses a library"
done
ls "$usr"/share/tq58/*_*.ini > /dev/null 2>&1 || fail "the package lacks the default images"
[ ! -d "$data/help" ] || [ -d "$usr/share/tq58/help" ] || fail "the package lacks the help"
for icon in "$data"/icons/tq58-*.png; do
    [ -e "$icon" ] || continue
    size=${icon##*-}; size=${size%.png}
    cmp -s "$icon" "$usr/share/icons/hicolor/${size}x$size/apps/tq58.png" ||
        fail "icon $size is not installed"
done
desktop-file-validate "$usr/share/applications/tq58.desktop" || fail "the desktop entry is invalid"

# The installed command line in a home of its own: new data from a default image of the
# installed program folder, as the build's own program makes it.
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
mkdir -p "$HOME"
touch "$work/stamp"
"$usr/bin/tq58-cli" new --model RV7700A --destination USA -o "$work/installed.dat" ||
    fail "the installed tq58-cli new failed"
"$bin/tq58-cli" new --model RV7700A --destination USA -o "$work/built.dat"
cmp -s "$work/installed.dat" "$work/built.dat" || fail "the installed program made other new data"
version=$("$usr/bin/tq58-cli" --version) || fail "the installed tq58-cli --version failed"
[[ $version == *"$(dpkg-deb -f "$deb" Version)"* ]] ||
    fail "--version says '$version', the package $(dpkg-deb -f "$deb" Version)"
written=$(find "$root" -newer "$work/stamp")
[ -z "$written" ] || fail "the installed programs wrote into their installation: $written"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KB, all checks passed"
