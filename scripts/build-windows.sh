#!/usr/bin/env bash
# Cross-builds TQ58 for 64-bit Windows on Debian and packs build-windows/TQ58-<version>-win64.zip.
#
# Qt for Windows is not in Debian's archive, so the first run builds the Qt modules TQ58 needs
# from Debian's own qt6-base source package into ~/.cache/tq58/qt-<version>-mingw64 (an hour
# and a half or more on two busy cores). Later runs reuse it and only rebuild TQ58.
#
#   scripts/build-windows.sh              the core tests, Qt when missing, TQ58 and the zip
#   scripts/build-windows.sh --qt-only    only Qt (for starting the long build early)
#   scripts/build-windows.sh --core-only  only the core and its tests (no Qt needed)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache="${TQ58_CACHE:-$HOME/.cache/tq58}"
jobs="${TQ58_JOBS:-2}"
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+~].*//')
qt_version=${qt_version:-6.4.2}
qt_prefix="$cache/qt-$qt_version-mingw64"
qt_work="$cache/qt-$qt_version-mingw64-work"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
build="$top/build-windows"

stage() { echo "== $(date +%H:%M:%S) $*"; }
fail() {
    echo "build-windows: $*" >&2
    exit 1
}

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 ninja-build cmake dpkg-dev zip
          qt6-base-dev qt6-tools-dev qt6-l10n-tools googletest)

install_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    [ "$(id -u)" -eq 0 ] || fail "missing packages; install them with: sudo apt-get install -y ${missing[*]}"
    stage "installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null ||
        fail "apt-get could not install ${missing[*]}"
}

# Debian's source packages come from the same archive and suites as the binary ones.
enable_sources() {
    grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && return
    grep -qs '^deb-src ' /etc/apt/sources.list && return
    [ "$(id -u)" -eq 0 ] || fail "no deb-src line; add one beside the deb line in /etc/apt/sources.list.d/"
    stage "adding deb-src lines beside the deb lines"
    local listing=/etc/apt/sources.list.d/debian.sources
    [ -f "$listing" ] || fail "$listing not found; add a deb-src line for qt6-base by hand"
    sed 's/^Types: deb$/Types: deb-src/' "$listing" >/etc/apt/sources.list.d/tq58-deb-src.sources
    apt-get update -qq || fail "apt-get update failed after adding the deb-src lines"
}

fetch_qt_source() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    if ! ls -d "$qt_work"/qt6-base-*/ >/dev/null 2>&1; then
        enable_sources
        stage "fetching Debian's qt6-base $version source"
        mkdir -p "$qt_work"
        (cd "$qt_work" && apt-get source -qq "qt6-base=$version" >"$qt_work/source.log" 2>&1) ||
            fail "apt-get source qt6-base=$version failed; see $qt_work/source.log"
    fi
    qt_source=$(ls -d "$qt_work"/qt6-base-*/ | head -n1)
}

# Only what TQ58 uses: Core, Gui, Widgets, PrintSupport and the Windows platform plugin.
# Tablet events need a header Debian's source lacks; with OpenGL off, dynamic GL cannot build.
# The installed Qt's own toolchain file loads this one by its path: a copy in the cache
# outlives any checkout.
configure_qt() {
    stage "configuring Qt $qt_version for Windows (log: $qt_work/configure.log)"
    cp "$toolchain" "$cache/mingw-w64-x86_64.cmake"
    cmake -G Ninja -S "$qt_source" -B "$qt_work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
        >"$qt_work/configure.log" 2>&1 ||
        fail "Qt configure failed; see the end of $qt_work/configure.log"
}

build_qt() {
    [ -f "$qt_prefix/.complete" ] && return
    exec 9>"$cache/qt.lock"
    flock -n 9 || fail "another Qt build is running (lock $cache/qt.lock); wait for it"
    fetch_qt_source
    [ -f "$qt_work/build/build.ninja" ] || configure_qt
    stage "building Qt $qt_version for Windows at low priority (log: $qt_work/build.log)"
    nice -n 19 ionice -c3 cmake --build "$qt_work/build" -j"$jobs" >>"$qt_work/build.log" 2>&1 ||
        fail "Qt build failed; see the end of $qt_work/build.log"
    stage "installing Qt into $qt_prefix"
    cmake --install "$qt_work/build" >"$qt_work/install.log" 2>&1 ||
        fail "Qt install failed; see $qt_work/install.log"
    [ -f "$qt_prefix/plugins/platforms/qwindows.dll" ] || fail "Qt built without the Windows platform plugin"
    touch "$qt_prefix/.complete"
    stage "Qt ready in $qt_prefix"
}

cmake_build() { # folder
    nice -n 10 cmake --build "$1" -j"$jobs" >"$1/build.log" 2>&1 ||
        fail "the build in $1 failed; see the end of $1/build.log"
}

# The core and its GoogleTest programs need no Qt: they build while Qt is still being built.
build_core() {
    stage "cross-building the core and its tests in $build/core"
    cmake -G Ninja -S "$top" -B "$build/core" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DTQ58_WITH_QT=OFF -DTQ58_WERROR=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$top/scripts/wine-run.sh" \
        "${launcher[@]}" >"$build/core-configure.log" 2>&1 ||
        fail "configuring the core failed; see $build/core-configure.log"
    cmake_build "$build/core"
}

# TQ58 against the cached Qt; the translations are made by the system's Qt tools.
build_tq58() {
    stage "cross-building TQ58 in $build/tq58"
    cmake -G Ninja -S "$top" -B "$build/tq58" \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DTQ58_WERROR=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$top/scripts/wine-run.sh" \
        "${launcher[@]}" >"$build/tq58-configure.log" 2>&1 ||
        fail "configuring TQ58 failed; see $build/tq58-configure.log"
    cmake_build "$build/tq58"
}

# The zip unpacks into one folder that is the program folder: the programs, the DLLs they
# load, global.ini, mid.tsv, the factory images, the help and Qt's own translations.
package_zip() {
    local version name stage_dir gcc_dlls language
    version=$(sed -n 's/^project(TQ58 VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
    name="TQ58-$version-win64"
    stage_dir="$build/stage/$name"
    stage "packing $build/$name.zip"
    rm -rf "$build/stage" "$build/$name.zip"
    cmake --install "$build/tq58" --prefix "$stage_dir" >"$build/install.log" 2>&1 ||
        fail "installing into $stage_dir failed; see $build/install.log"
    for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
        cp "$qt_prefix/bin/$dll.dll" "$stage_dir/"
    done
    mkdir -p "$stage_dir/platforms" "$stage_dir/styles" "$stage_dir/translations"
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage_dir/platforms/"
    cp "$qt_prefix"/plugins/styles/*.dll "$stage_dir/styles/" 2>/dev/null || true
    gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    cp "$gcc_dlls/libstdc++-6.dll" "$gcc_dlls/libgcc_s_seh-1.dll" \
        /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage_dir/"
    for language in $(ls "$top"/i18n/tq58_*.ts | sed 's/.*tq58_\(.*\)\.ts/\1/'); do
        cp "/usr/share/qt6/translations/qtbase_$language.qm" "$stage_dir/translations/" 2>/dev/null || true
    done
    # Debug symbols would make the zip three times as big.
    find "$stage_dir" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded ||
        fail "stripping the programs and DLLs failed"
    # Qt looks for its translations below its prefix: here, the program folder.
    printf '[Paths]\nPrefix = .\n' >"$stage_dir/qt.conf"
    (cd "$build/stage" && zip -qr9 "$build/$name.zip" "$name") || fail "zip failed"
    stage "made $build/$name.zip ($(du -k "$build/$name.zip" | cut -f1) KB)"
}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$cache" "$build"
install_packages
case "${1:-}" in
--qt-only)
    build_qt
    ;;
--core-only)
    build_core
    ;;
"")
    started=$(date +%s)
    build_core
    build_qt
    build_tq58
    package_zip
    stage "done in $(($(date +%s) - started)) s"
    ;;
*)
    fail "unknown option $1 (--qt-only, --core-only or nothing)"
    ;;
esac
